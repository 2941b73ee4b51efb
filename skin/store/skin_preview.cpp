#include "skin/store/skin_preview.h"

#include <optional>
#include <string>
#include <utility>

#include "core/store/preview_announcement.h"
#include "core/store/skin_handover.h"
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "framework/system/flag_scope.h"
#include "framework/system/wide_text.h"
#include "skin/store/platform_services.h"
#include "skin/store/skin_manager.h"

using zelvan::store::TToolAnswer;

namespace {

zelvan::store::TToolAnswer AskTool(HWND announced) {
  HWND tool = FindWindowW(nullptr, kPreviewToolTitle);
  if (!tool) return TToolAnswer::taNoTool;
  DWORD_PTR answer = 0;
  // Sent messages reaching this thread meanwhile (a hand-over in reply) are
  // still handled; a tool that hangs costs one timeout.
  if (!SendMessageTimeoutW(tool, kPreviewMessage, kPreviewAnnounce, reinterpret_cast<LPARAM>(announced),
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, kPreviewAnswerTimeoutMs, &answer)) {
    return TToolAnswer::taTimedOut;
  }
  return answer == 1 ? TToolAnswer::taAccepted : TToolAnswer::taOther;
}

// The manager's update block and the handed-over text, ended on every path:
// a failure must leave neither the windows untold nor the text in place for
// later loads.
class THandOverScope {
 public:
  THandOverScope(TsSkinManager& manager, std::string description) : FManager(manager) {
    FManager.BeginUpdate();
    FManager.SetHandedOverOptions(std::move(description));
  }
  ~THandOverScope() {
    if (FClosed) return;
    FManager.SetHandedOverOptions(std::nullopt);
    FManager.NonAutoUpdate = false;
  }
  THandOverScope(const THandOverScope&) = delete;
  THandOverScope& operator=(const THandOverScope&) = delete;
  void Close() {
    FClosed = true;
    FManager.EndUpdate(true, false);
    FManager.SetHandedOverOptions(std::nullopt);
  }

 private:
  TsSkinManager& FManager;
  bool FClosed = false;
};

void AnswerPreviewMessage(TCustomForm* form, TMessage& m, const TWndMethod& next) {
  m.Result = 0;
  switch (m.WParam) {
    case kPreviewClose:
      form->Close();
      break;
    case kPreviewPing:
      m.Result = 1;
      break;
    case kPreviewAnnounce:
      next(m);
      break;
    default:
      break;
  }
}

}  // namespace

TacPreviewState& PreviewState() {
  static TacPreviewState state;
  return state;
}

bool PreviewRequestedOnCommandLine() {
  static const bool requested = [] {
    const std::vector<std::wstring> parameters = CommandLineParameters();
    return !parameters.empty() && parameters.front() == L"/acpreview";
  }();
  return requested;
}

void PreviewProviderCreated() { PreviewState().Requested = PreviewRequestedOnCommandLine(); }

void AnnounceToPreviewTool(TCustomForm* form) {
  TacPreviewState& state = PreviewState();
  if (!state.Requested || state.Announced || !form || !form->HandleAllocated()) return;
  const TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
  if (mainForm && form != mainForm) return;
  HWND window = form->Handle();
  state.Announced = window;
  state.Requested = false;
  zelvan::store::RunAnnouncement([window] { return AskTool(window); });
}

bool TakeHandOver(HWND window, WPARAM wParam, const COPYDATASTRUCT* block) {
  TacPreviewState& state = PreviewState();
  if (!window || window != state.Announced || state.Busy) return false;
  const TFlagScope busy(state.Busy, true);
  if (wParam != kHandOverWParam || !block) return false;
  const auto record = zelvan::store::ReadHandOverRecord(block->lpData, block->cbData);
  TsSkinManager* manager = DefaultManager();
  if (!record || !manager) return false;
  manager->SetPreviewMode();
  THandOverScope update(*manager, record->Description);
  manager->SetSkinDirectory(CodePageToWide(record->Directory));
  manager->SetSkinName(CodePageToWide(record->Name));
  update.Close();
  return true;
}

bool PreviewMessage(TCustomForm* form, TMessage& m, const TWndMethod& next) {
  if (m.Msg == kPreviewMessage) {
    AnswerPreviewMessage(form, m, next);
    return true;
  }
  if (m.Msg != WM_COPYDATA) return false;
  next(m);
  if (m.Result != 0 || !form->HandleAllocated()) return true;
  m.Result = TakeHandOver(form->Handle(), m.WParam, reinterpret_cast<const COPYDATASTRUCT*>(m.LParam)) ? 1 : 0;
  return true;
}
