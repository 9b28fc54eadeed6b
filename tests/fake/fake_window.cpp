#include "fake/fake_window.h"

namespace gv::fake {

std::optional<Colour> FakeWindow::ChooseColour(Colour initial) {
    dialogOpenedOn.push_back(initial);
    if (dialogAnswers.empty()) return std::nullopt;  // closed without a choice: a cancel
    const std::optional<Colour> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

void FakeWindow::Closes(bool sessionEnding) {
    if (closed_ || events == nullptr) return;
    closed_ = true;
    events->OnClosing(sessionEnding);
    events->OnClosed();
}

}  // namespace gv::fake
