// Everything a test needs: #include "harness/e2e.h".
#pragma once

#include "harness/error.h"
#include "harness/helpers.h"
#include "harness/input.h"
#include "harness/journal.h"
#include "harness/message_dialog.h"
#include "harness/panel.h"
#include "harness/process.h"
#include "harness/screenshot.h"
#include "harness/temp_folder.h"
#include "harness/text.h"
#include "harness/wait.h"
#include "harness/window.h"
