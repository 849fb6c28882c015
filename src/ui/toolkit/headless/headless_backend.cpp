#include "ui/toolkit/headless/headless_backend.h"

#include "ui/toolkit/toolkit.h"

#include <algorithm>
#include <iostream>

namespace qm::ui {

namespace {

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i > 0 ? "\n" : "") + lines[i];
    }
    return text;
}

std::string qualified(const Component& c)
{
    if (&c.form() == &c) {
        return c.name();
    }
    return c.form().name() + "." + c.name();
}

// What a list shows: its rows and the first row in view, changed only as the
// model reports, the way a native list is.
struct ListView : Peer {
    std::vector<std::string> rows;
    int top = 0;
    int topBeforeUpdate = 0;
};

ListView* viewOf(const ListBox& list) { return dynamic_cast<ListView*>(list.peer()); }

}  // namespace

// What a timer's view keeps: the loop time since the timer last started or
// ticked. It leaves the backend's list with its timer.
struct TimerView : Peer {
    TimerView(HeadlessBackend& owner, Timer& t) : backend(owner), timer(t) { backend.timers_.push_back(&timer); }
    ~TimerView() override { std::erase(backend.timers_, &timer); }
    HeadlessBackend& backend;
    Timer& timer;
    int waited = 0;
};

namespace {

TimerView* viewOf(const Timer& timer) { return dynamic_cast<TimerView*>(timer.peer()); }

bool running(const Timer& timer) { return timer.enabled() && timer.interval() > 0 && viewOf(timer) != nullptr; }

}  // namespace

HeadlessBackend::HeadlessBackend()
{
    onFailure = [](const std::string& message) { std::cerr << "headless backend: " << message << '\n'; };
}

void HeadlessBackend::fail(const std::string& message)
{
    failures_.push_back(message);
    if (onFailure) {
        onFailure(message);
    }
}

void HeadlessBackend::attach(Form& form)
{
    shown_.erase(&form);
    forms_.push_back(&form);
    for (Component* c : form.components()) {
        if (auto* list = dynamic_cast<ListBox*>(c)) {
            auto view = std::make_unique<ListView>();
            view->rows = list->items();
            list->setPeer(std::move(view));
        } else if (auto* timer = dynamic_cast<Timer*>(c)) {
            timer->setPeer(std::make_unique<TimerView>(*this, *timer));
        }
    }
}

void HeadlessBackend::elapse(int ms)
{
    for (;;) {
        Timer* next = nullptr;
        int due = 0;
        for (Timer* timer : timers_) {
            const int wait = timer->interval() - viewOf(*timer)->waited;
            if (running(*timer) && (next == nullptr || wait < due)) {
                next = timer;
                due = wait;
            }
        }
        const int step = next != nullptr && due <= ms ? due : ms;
        for (Timer* timer : timers_) {
            if (running(*timer)) {
                viewOf(*timer)->waited += step;
            }
        }
        ms -= step;
        if (next == nullptr || due > step) {
            return;
        }
        viewOf(*next)->waited = 0;
        next->tick();
    }
}

std::vector<std::string> HeadlessBackend::shownItems(const ListBox& list) const
{
    const ListView* view = viewOf(list);
    return view != nullptr ? view->rows : std::vector<std::string>{};
}

void HeadlessBackend::showRows(ListBox& list, Change what, int index)
{
    ListView* view = viewOf(list);
    if (view == nullptr) {
        return;
    }
    auto& rows = view->rows;
    const int shown = static_cast<int>(rows.size());
    auto badRow = [&] {
        fail("list " + qualified(list) + " was told of row " + std::to_string(index) + " while it shows " +
             std::to_string(shown) + " rows and holds " + std::to_string(list.count()));
        rows = list.items();
    };
    switch (what) {
    case Change::Items: rows = list.items(); break;
    case Change::ItemInserted:
        if (index < 0 || index > shown || index >= list.count()) {
            badRow();
        } else {
            rows.insert(rows.begin() + index, list.item(index));
        }
        break;
    case Change::ItemRemoved:
        if (index < 0 || index >= shown) {
            badRow();
        } else {
            rows.erase(rows.begin() + index);
        }
        break;
    case Change::ItemText:
        if (index < 0 || index >= shown || index >= list.count()) {
            badRow();
        } else {
            rows[static_cast<std::size_t>(index)] = list.item(index);
        }
        break;
    case Change::UpdateBegin: view->topBeforeUpdate = view->top; return;
    case Change::UpdateEnd: view->top = view->topBeforeUpdate; break;
    default: return;
    }
    if (static_cast<int>(rows.size()) != list.count()) {
        fail("list " + qualified(list) + " shows " + std::to_string(rows.size()) + " rows but holds " +
             std::to_string(list.count()));
        rows = list.items();
    }
    // Like a native list: the same row number stays on top while there is one.
    view->top = std::clamp(view->top, 0, std::max(0, list.count() - 1));
}

void HeadlessBackend::changed(Component& component, Change what, int index)
{
    if (what == Change::Timer) {
        if (TimerView* view = viewOf(static_cast<Timer&>(component))) {
            view->waited = 0;
        }
        return;
    }
    if (auto* list = dynamic_cast<ListBox*>(&component)) {
        showRows(*list, what, index);
    }
    if (what == Change::Caption) {
        if (auto* memo = dynamic_cast<Memo*>(&component)) {
            log_.push_back("text " + qualified(component) + ": " + joinLines(memo->lines()));
        } else if (auto* edit = dynamic_cast<Edit*>(&component)) {
            log_.push_back("text " + qualified(component) + ": " + edit->text());
        } else if (auto* control = dynamic_cast<Control*>(&component)) {
            log_.push_back("text " + qualified(component) + ": " + control->caption());
        }
    } else if (what == Change::Position) {
        if (auto* bar = dynamic_cast<ProgressBar*>(&component)) {
            log_.push_back("progress " + qualified(component) + ": " + std::to_string(bar->position()));
        } else if (auto* track = dynamic_cast<TrackBar*>(&component)) {
            log_.push_back("position " + qualified(component) + ": " + std::to_string(track->position()));
        }
    }
}

Size HeadlessBackend::frameExtent(const Form& form) const
{
    // Classic Windows metrics, so sizes in tests read like the real ones.
    Size frame;
    switch (form.borderStyle()) {
    case BorderStyle::Sizeable: frame = {8, 27}; break;
    case BorderStyle::Dialog: frame = {6, 25}; break;
    case BorderStyle::ToolWindow: frame = {6, 21}; break;
    case BorderStyle::SizeToolWindow: frame = {8, 23}; break;
    case BorderStyle::None: frame = {0, 0}; break;
    }
    if (form.menu() != nullptr) {
        frame.height += 19;
    }
    return frame;
}

void HeadlessBackend::showForm(Form& form, bool activate)
{
    log_.push_back((activate ? "show " : "show without focus ") + form.name());
    // A window that appears is painted, as a real one is before its show event.
    if (shown_.insert(&form).second) {
        form.userPaint();
    }
}

void HeadlessBackend::hideForm(Form& form)
{
    shown_.erase(&form);
    log_.push_back("hide " + form.name());
}

void HeadlessBackend::paintNow(Control& control)
{
    if (control.form().visible()) {
        log_.push_back("paint " + qualified(control));
    }
}

ModalResult HeadlessBackend::showModal(Form& form)
{
    auto script = scripts_.find(std::type_index(typeid(form)));
    log_.push_back("modal " + form.name());
    if (script == scripts_.end()) {
        const std::string message = "modal show of " + form.name() + " (\"" + form.caption() +
                                    "\") but the test set no answer for its class";
        fail(message);
        throw UnansweredModal(message);
    }
    ++modalDepth_;
    struct Depth {
        int& d;
        ~Depth() { --d; }
    } depth{modalDepth_};
    form.show();
    ModalResult result = script->second(form);
    if (result == ModalResult::None) {
        result = form.modalResult();
    }
    if (result == ModalResult::None) {
        const std::string message = "the answer for " + form.name() + " closed it without a result";
        fail(message);
        throw UnansweredModal(message);
    }
    form.setModalResult(result);
    form.hide();
    log_.push_back("modal " + form.name() + " -> " + toString(result));
    return result;
}

void HeadlessBackend::runLoop() {}

ModalResult HeadlessBackend::messageBox(const std::string& text, const std::string& caption, MessageButtons,
                                        MessageIcon)
{
    log_.push_back("message " + caption + ": " + text);
    if (messageAnswers_.empty()) {
        return ModalResult::Ok;
    }
    const ModalResult answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

std::optional<std::string> HeadlessBackend::executeFileDialog(FileDialog& dialog)
{
    if (files_.empty()) {
        const std::string message = "file dialog \"" + dialog.title + "\" opened but no answer was queued";
        fail(message);
        throw UnansweredModal(message);
    }
    auto answer = files_.front();
    files_.pop_front();
    log_.push_back("file dialog \"" + dialog.title + "\" -> " + (answer ? *answer : std::string("cancel")));
    return answer;
}

void HeadlessBackend::popup(PopupMenu& menu, Control*, int, int) { log_.push_back("popup " + qualified(menu)); }

}  // namespace qm::ui

namespace qm::ui {

int HeadlessBackend::itemAtPoint(const ListBox& list, int x, int y) const
{
    if (x < 0 || y < 0 || x >= list.width() || list.itemHeight() <= 0) {
        return -1;
    }
    const int index = topIndex(list) + y / list.itemHeight();
    return index < list.count() ? index : -1;
}

int HeadlessBackend::topIndex(const ListBox& list) const
{
    const ListView* view = viewOf(list);
    return view != nullptr ? view->top : 0;
}

void HeadlessBackend::setTopIndex(ListBox& list, int index)
{
    if (ListView* view = viewOf(list)) {
        view->top = std::clamp(index, 0, std::max(0, list.count() - 1));
    }
}

}  // namespace qm::ui
