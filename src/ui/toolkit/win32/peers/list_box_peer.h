// A list box, changed row by row as the model reports; the check list builds on it.
#pragma once

#include "ui/toolkit/lists.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

class ListBoxPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    ListBox& list() const { return static_cast<ListBox&>(control()); }

    NativeClass nativeClass() const override;
    void command(WORD code) override;
    void sync(Change what, int index) override;

    int itemAtPoint(int x, int y) const;
    int topIndex() const;
    void setTopIndex(int index);

protected:
    // The row's rectangle, to repaint one row only.
    void invalidateRow(int index) const;

private:
    // The whole list again, without drawing in between.
    void refill();
    // After a row changed: the model's selection, and the rows on top as before.
    void restore(int top);
    void setRedraw(bool on);

    int topBeforeUpdate_ = 0;
};

}  // namespace qm::ui::win32
