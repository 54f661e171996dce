/* Resource numbers of the program, shared by the resource script and the
   code (plain defines: the resource compiler reads this file too). */
#ifndef NOLB_UI_RESOURCE_IDS_H
#define NOLB_UI_RESOURCE_IDS_H

/* The program's icon, the capture rectangle: the executable's first icon. */
#define NOLB_PROGRAM_ICON 1
/* The icon in the notification area: redirecting with the hook working,
   redirecting without a hook, the redirection off. */
#define NOLB_TRAY_ICON_HOOKED 2
#define NOLB_TRAY_ICON_WAITING 3
#define NOLB_TRAY_ICON_OFF 4

#endif
