#include "command/command_text.h"

#include "base/integer_text.h"

namespace nolb {
namespace {

constexpr const char* kEditNames[] = {"X", "Y", "サイズの幅", "サイズの高さ"};

std::string Quoted(const std::string& text) { return "「" + text + "」"; }

class ResultText {
 public:
  ResultText(const CommandOutcome& outcome, const std::vector<std::string>& arguments)
      : result_(outcome.result), error_(outcome.error), arguments_(arguments) {}

  std::string Text() const {
    switch (result_.reason) {
      case CommandReason::kNone:
        return {};
      case CommandReason::kNotASwitch:
        return Quoted(Argument()) + " はスイッチではありません。スイッチは / か - で始まります。";
      case CommandReason::kUnknownSwitch:
        return Quoted(Argument()) + " というスイッチはありません。";
      case CommandReason::kMissingValue:
        return Argument() + " の後に値がありません。";
      case CommandReason::kEmptyValue:
        return Argument() + " の値が空です。";
      case CommandReason::kBadRectangle:
        return Argument() + " の値 " + Quoted(Value()) +
               " は「X,Y,幅,高さ」の形の 4 つの整数ではありません。";
      case CommandReason::kBadItemNumber:
        return Argument() + " の値 " + Quoted(Value()) + " は 1 以上の整数ではありません。";
      case CommandReason::kBadFollowMode:
        return Argument() + " の値 " + Quoted(Value()) +
               " は window、mouse、centre、off のどれでもありません。";
      case CommandReason::kRepeated:
        return Argument() + " が 2 回あります。";
      case CommandReason::kConflict:
        return Argument() + " は前のスイッチと同時には指定できません (/apply と /noapply、/apply と /disable)。";
      case CommandReason::kBadText:
        return "コマンドラインに文字として読めない部分があります。";
      case CommandReason::kTooLong:
        return "コマンドラインが長すぎます。";
      case CommandReason::kTooManyArguments:
        return "コマンドラインの引数が多すぎます。";
      case CommandReason::kNoSuchPosition:
        return "位置のプリセットに " + Value() + " 番目の項目はありません。";
      case CommandReason::kNoSuchSize:
        return "サイズのプリセットに " + Value() + " 番目の項目はありません。";
      case CommandReason::kNoSuchWindow:
        return NoSuchWindow();
      case CommandReason::kWindowGone:
        return Argument() + " で選んだウィンドウが、行う前に閉じられたため、何もしませんでした。";
      case CommandReason::kSelecting:
        return Busy("パネルで範囲指定か位置指定の最中");
      case CommandReason::kDragging:
        return Busy("パネルでウィンドウをドラッグして選んでいる最中");
      case CommandReason::kModalWindow:
        return Busy("パネルにダイアログかメッセージが表示されている");
      case CommandReason::kClosing:
        return Busy("パネルが終了するところ");
      case CommandReason::kCommandRunning:
        return Busy("パネルが別のコマンドを実行している最中");
      case CommandReason::kLockedByFollow:
        return Argument() +
               " はリアルタイム設定 (追従) の間は使えないため、何もしませんでした。"
               "先に /follow off を指定してください。";
      case CommandReason::kEditNotANumber:
        return Busy("パネルの " + std::string(EditName()) + " の欄が整数ではなく、適用できない");
      case CommandReason::kFailed:
        return "パネルがコマンドを実行できませんでした。";
      case CommandReason::kNoPanel:
        return "パネルの起動を待ちましたが、時間内にコマンドを受け付けるパネルが現れませんでした。";
      case CommandReason::kNoAnswer:
        return "パネルが時間内に応答しませんでした。コマンドは、この後でパネルが行うことがあります。";
      case CommandReason::kRefused:
        return "パネルが管理者として実行されているため、操作できません。このプログラムも管理者として"
               "実行してください (ショートカットなら、プロパティの「ショートカット」タブの「詳細設定」で"
               "「管理者として実行」にチェックを付けます)。";
      case CommandReason::kNotUnderstood:
        return "パネルの応答を読み取れませんでした。パネルとこのプログラムの版が違う可能性があります。";
      case CommandReason::kCannotStartPanel:
        return "パネル (NOLBPanel.exe) を起動できませんでした。このプログラムと同じフォルダーにあるか"
               "確かめてください。";
      case CommandReason::kStepFailed:
        return StepFailed();
    }
    return {};
  }

 private:
  std::string At(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= arguments_.size()) return {};
    return arguments_[static_cast<std::size_t>(index)];
  }
  std::string Argument() const { return At(result_.index); }
  std::string Value() const { return At(result_.index + 1); }
  const char* EditName() const {
    return result_.index >= 0 && result_.index < 4 ? kEditNames[result_.index] : "範囲";
  }
  static std::string Busy(const std::string& why) { return why + "ため、何もしませんでした。"; }

  std::string StepFailed() const {
    const std::string step = result_.index < 0 ? "最後の「適用」" : Argument();
    std::string text = step + " の途中で失敗したため、コマンドは途中までしか行われていません。"
                              "パネルには、その前までの変更が残っています。";
    if (!error_.empty()) text += "原因: " + error_;
    return text;
  }

  std::string NoSuchWindow() const {
    const ParsedCommand parsed = ParseCommandLine(arguments_);
    for (const CommandStep& step : parsed.command.steps) {
      if (step.kind != CommandStep::Kind::kWindow) continue;
      std::string what;
      if (!step.title.empty()) what += "題名に " + Quoted(step.title) + " を含む";
      if (!step.title.empty() && !step.program.empty()) what += "、";
      if (!step.program.empty()) what += "プログラムが " + step.program + " の";
      return what + "ウィンドウが見つかりません。";
    }
    return "ウィンドウが見つかりません。";
  }

  const CommandResult& result_;
  const std::string& error_;
  const std::vector<std::string>& arguments_;
};

}  // namespace

std::string CommandHelpText(std::string_view program) {
  return "使い方: " + std::string(program) + " [スイッチ...]\n"
         "\n"
         "動いているパネルに、メインウィンドウで操作するのと同じことを、指定した順に行わせます。\n"
         "最後に「適用」します。パネルが動いていないときは起動し、起動が済んでから行います。\n"
         "\n"
         "  /rect X,Y,幅,高さ   取り込み範囲の 4 つの欄 (ターゲットのクライアント座標)\n"
         "  /pos N              位置のプリセットの N 番目 (1 から数えます)\n"
         "  /size N             サイズのプリセットの N 番目\n"
         "  /desktop            ターゲットをデスクトップに戻します\n"
         "  /window 文字列      題名にその文字列を含むウィンドウをターゲットにします\n"
         "                      (大文字と小文字は区別しません)\n"
         "  /exe ファイル名     そのプログラム (例: notepad.exe) のウィンドウをターゲットにします\n"
         "                      (/window と同時に指定できます。いちばん手前のウィンドウを選びます)\n"
         "  /follow window      ウィンドウサイズに追従します\n"
         "  /follow mouse       マウスカーソルに追従します\n"
         "  /follow centre      カーソル位置を中心にしてマウスカーソルに追従します\n"
         "  /follow off         追従を解除します\n"
         "  /apply              最後に適用します (省略時も適用します)。/apply だけなら今の値を適用します\n"
         "  /noapply            最後に適用しません\n"
         "  /disable            無効化します (最後に適用しません)\n"
         "  /?                  この説明を表示します\n"
         "\n"
         "スイッチは - で始めてもよく、大文字と小文字は区別しません。\n"
         "追従している間は、/follow off の前に範囲やターゲットを変えるスイッチと /disable は使えません。\n"
         "\n"
         "終了コード:\n"
         "  0  実行しました\n"
         "  2  コマンドラインに誤りがあります\n"
         "  3  指定したウィンドウかプリセットがありません\n"
         "  4  パネルが操作中か、追従中でできないため、何もしませんでした\n"
         "  5  パネルが応答しませんでした (起動しない、管理者として実行されているなど)\n"
         "  6  途中で失敗したため、途中までしか行えませんでした\n";
}

std::string CommandResultMessage(const CommandOutcome& outcome, const std::vector<std::string>& arguments) {
  return ResultText(outcome, arguments).Text();
}

std::string CommandOutcomeText(const CommandOutcome& outcome, const std::vector<std::string>& arguments) {
  if (outcome.result.reason == CommandReason::kNone) return {};
  return "NOLB: " + CommandResultMessage(outcome, arguments) + " (終了コード " +
         IntegerText(outcome.result.ExitCode()) + ")\n";
}

}  // namespace nolb
