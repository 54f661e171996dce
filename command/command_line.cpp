#include "command/command_line.h"

#include <optional>
#include <utility>
#include <string_view>

#include "base/integer_text.h"

namespace nolb {
namespace {

enum class Switch : std::uint8_t {
  kRect, kPos, kSize, kDesktop, kWindow, kExe, kFollow, kApply, kNoApply, kDisable, kHelp
};

struct SwitchName {
  std::string_view name;
  Switch what;
  bool takesValue;
};

constexpr SwitchName kSwitches[] = {
    {"rect", Switch::kRect, true},        {"pos", Switch::kPos, true},
    {"size", Switch::kSize, true},        {"desktop", Switch::kDesktop, false},
    {"window", Switch::kWindow, true},    {"exe", Switch::kExe, true},
    {"follow", Switch::kFollow, true},    {"apply", Switch::kApply, false},
    {"noapply", Switch::kNoApply, false}, {"disable", Switch::kDisable, false},
    {"?", Switch::kHelp, false},
};

struct FollowName {
  std::string_view name;
  FollowChoice choice;
};

constexpr FollowName kFollowNames[] = {
    {"window", FollowChoice::kWindow}, {"mouse", FollowChoice::kMouse},
    {"centre", FollowChoice::kCentre}, {"center", FollowChoice::kCentre},
    {"off", FollowChoice::kOff},
};

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool LooksLikeSwitch(std::string_view argument) {
  return !argument.empty() && (argument[0] == '/' || argument[0] == '-');
}

const SwitchName* FindSwitch(std::string_view argument) {
  if (!LooksLikeSwitch(argument)) return nullptr;
  for (const SwitchName& s : kSwitches) {
    if (SameIgnoringAsciiCase(argument.substr(1), s.name)) return &s;
  }
  return nullptr;
}

// "X,Y,W,H": four numbers as the edits take them, nothing else.
std::optional<CommandStep> ReadRectangle(std::string_view value) {
  std::int32_t numbers[4];
  for (int i = 0; i < 4; ++i) {
    const std::size_t comma = i < 3 ? value.find(',') : std::string_view::npos;
    if (i < 3 && comma == std::string_view::npos) return std::nullopt;
    const std::optional<std::int32_t> number = ParseInteger(value.substr(0, comma));
    if (!number) return std::nullopt;
    numbers[i] = *number;
    value = i < 3 ? value.substr(comma + 1) : std::string_view{};
  }
  CommandStep step;
  step.kind = CommandStep::Kind::kRectangle;
  step.x = numbers[0], step.y = numbers[1], step.width = numbers[2], step.height = numbers[3];
  return step;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  ParsedCommand Parse() {
    for (const std::string& argument : arguments_) {
      const SwitchName* s = FindSwitch(argument);
      if (s && s->what == Switch::kHelp) {
        parsed_.command.help = true;
        return parsed_;
      }
    }
    const int count = static_cast<int>(arguments_.size());
    for (int i = 0; i < count && Good(); ++i) {
      const std::string& argument = arguments_[static_cast<std::size_t>(i)];
      const SwitchName* s = FindSwitch(argument);
      at_ = i;
      if (!s) {
        Fail(LooksLikeSwitch(argument) ? CommandReason::kUnknownSwitch : CommandReason::kNotASwitch);
      } else if (!s->takesValue) {
        Flag(s->what);
      } else if (i + 1 >= count) {
        Fail(CommandReason::kMissingValue);
      } else {
        Valued(s->what, arguments_[static_cast<std::size_t>(++i)]);
      }
    }
    if (Good()) parsed_.command.apply = !noApply_ && !disable_;
    return parsed_;
  }

 private:
  bool Good() const { return parsed_.error.reason == CommandReason::kNone; }

  // Errors and steps name the switch being read.
  void Fail(CommandReason reason) { parsed_.error = {reason, at_}; }

  void Add(CommandStep step) {
    step.argument = at_;
    parsed_.command.steps.push_back(std::move(step));
  }

  void Flag(Switch what) {
    CommandStep step;
    switch (what) {
      case Switch::kDesktop:
        step.kind = CommandStep::Kind::kDesktop;
        Add(step);
        break;
      case Switch::kDisable:
        if (apply_) return Fail(CommandReason::kConflict);
        disable_ = true;
        step.kind = CommandStep::Kind::kDisable;
        Add(step);
        break;
      case Switch::kApply:
        if (noApply_ || disable_) return Fail(CommandReason::kConflict);
        apply_ = true;
        break;
      case Switch::kNoApply:
        if (apply_) return Fail(CommandReason::kConflict);
        noApply_ = true;
        break;
      default:
        break;
    }
  }

  void Valued(Switch what, std::string_view value) {
    CommandStep step;
    switch (what) {
      case Switch::kRect:
        if (auto rectangle = ReadRectangle(value)) {
          Add(*rectangle);
        } else {
          Fail(CommandReason::kBadRectangle);
        }
        break;
      case Switch::kPos:
      case Switch::kSize: {
        const std::optional<std::int32_t> item = ParseInteger(value);
        if (!item || *item < 1) return Fail(CommandReason::kBadItemNumber);
        step.kind = what == Switch::kPos ? CommandStep::Kind::kPosition : CommandStep::Kind::kSize;
        step.item = *item;
        Add(step);
        break;
      }
      case Switch::kFollow:
        for (const FollowName& f : kFollowNames) {
          if (!SameIgnoringAsciiCase(value, f.name)) continue;
          step.kind = CommandStep::Kind::kFollow;
          step.follow = f.choice;
          return Add(step);
        }
        Fail(CommandReason::kBadFollowMode);
        break;
      case Switch::kWindow:
      case Switch::kExe:
        Window(what, value);
        break;
      default:
        break;
    }
  }

  // /window and /exe make one step, where the first of them stands.
  void Window(Switch what, std::string_view value) {
    if (value.empty()) return Fail(CommandReason::kEmptyValue);
    bool& seen = what == Switch::kWindow ? sawWindow_ : sawExe_;
    if (seen) return Fail(CommandReason::kRepeated);
    seen = true;
    if (windowStep_ < 0) {
      CommandStep step;
      step.kind = CommandStep::Kind::kWindow;
      windowStep_ = static_cast<int>(parsed_.command.steps.size());
      Add(step);
    }
    CommandStep& step = parsed_.command.steps[static_cast<std::size_t>(windowStep_)];
    (what == Switch::kWindow ? step.title : step.program) = std::string(value);
  }

  const std::vector<std::string>& arguments_;
  ParsedCommand parsed_;
  int at_ = 0;  // the switch being read
  int windowStep_ = -1;
  bool sawWindow_ = false;
  bool sawExe_ = false;
  bool apply_ = false;
  bool noApply_ = false;
  bool disable_ = false;
};

}  // namespace

CommandStatus StatusOf(CommandReason reason) {
  // The last reason of each status, in the order of the reasons.
  constexpr std::pair<CommandReason, CommandStatus> kLastOfStatus[] = {
      {CommandReason::kNone, CommandStatus::kDone},
      {CommandReason::kTooManyArguments, CommandStatus::kBadCommandLine},
      {CommandReason::kWindowGone, CommandStatus::kNotFound},
      {CommandReason::kFailed, CommandStatus::kBusy},
      {CommandReason::kCannotStartPanel, CommandStatus::kNoAnswer},
  };
  for (const auto& [last, status] : kLastOfStatus) {
    if (reason <= last) return status;
  }
  return CommandStatus::kPartlyDone;
}

ParsedCommand ParseCommandLine(const std::vector<std::string>& arguments) {
  return Parser(arguments).Parse();
}

}  // namespace nolb
