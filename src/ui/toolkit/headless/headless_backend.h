// A backend without a screen, for tests: modal shows are answered by a
// script per form class, file dialogs by a queue, and everything the user
// would have seen goes to a log. Like a real backend it keeps its own view
// of every list, changed only row by row as the model reports, so a change
// reported at the wrong row shows as a failure.
#pragma once

#include "ui/toolkit/backend.h"
#include "ui/toolkit/form.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <vector>

namespace qm::ui {

class Timer;
struct TimerView;

// A modal show that no script answers: the test forgot a step, or the code
// shows a window the test did not expect.
class UnansweredModal : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class HeadlessBackend : public Backend {
public:
    HeadlessBackend();

    // The answer to every modal show of forms of class F: a function that may
    // fill or press the form's controls and returns the modal result (None:
    // whatever the form's buttons set).
    template <class F>
    void answer(std::function<ModalResult(F&)> script)
    {
        scripts_[std::type_index(typeid(F))] = [script = std::move(script)](Form& form) {
            return script(static_cast<F&>(form));
        };
    }
    template <class F>
    void answer(ModalResult result)
    {
        answer<F>([result](F&) { return result; });
    }
    template <class F>
    void forget()
    {
        scripts_.erase(std::type_index(typeid(F)));
    }

    // Answers of the next file dialogs, in order; nothing = Cancel.
    void queueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // Answers of the next message boxes, in order; OK when none is queued.
    void queueMessageAnswer(ModalResult result) { messageAnswers_.push_back(result); }

    // What the user would have seen, one line per event.
    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }
    // Failures that a test must not overlook (unanswered modal shows, an
    // empty file-dialog queue); the default hook prints them.
    const std::vector<std::string>& failures() const { return failures_; }
    std::function<void(const std::string&)> onFailure;

    // The rows a list shows, as its view was told of them.
    std::vector<std::string> shownItems(const ListBox& list) const;

    // Every form attached, in the order it was attached.
    const std::vector<Form*>& forms() const { return forms_; }

    int modalDepth() const { return modalDepth_; }
    bool quitRequested() const { return quit_; }

    // Lets `ms` milliseconds of message-loop time pass: every running timer
    // of an attached form ticks at its interval, in time order. Like a native
    // timer, one counts afresh from each start or new interval, and keeps its
    // rhythm while it runs on.
    void elapse(int ms);

    void attach(Form& form) override;
    void changed(Component& component, Change what, int index) override;
    Size frameExtent(const Form& form) const override;
    Size screenSize() const override { return {1024, 768}; }
    void showForm(Form& form, bool activate) override;
    void hideForm(Form& form) override;
    ModalResult showModal(Form& form) override;
    void runLoop() override;
    void quit() override { quit_ = true; }
    ModalResult messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon) override;
    std::optional<std::string> executeFileDialog(FileDialog& dialog) override;
    void popup(PopupMenu& menu, Control* at, int x, int y) override;
    int itemAtPoint(const ListBox& list, int x, int y) const override;
    int topIndex(const ListBox& list) const override;
    void setTopIndex(ListBox& list, int index) override;
    // Logged as "paint <form>.<control>" while the form is shown.
    void paintNow(Control& control) override;

private:
    friend struct TimerView;
    void fail(const std::string& message);
    void showRows(ListBox& list, Change what, int index);

    std::map<std::type_index, std::function<ModalResult(Form&)>> scripts_;
    std::deque<std::optional<std::string>> files_;
    std::deque<ModalResult> messageAnswers_;
    std::vector<std::string> log_;
    std::vector<std::string> failures_;
    std::set<const Form*> shown_;
    std::vector<Form*> forms_;
    std::vector<Timer*> timers_;
    int modalDepth_ = 0;
    bool quit_ = false;
};

}  // namespace qm::ui
