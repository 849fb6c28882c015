// List boxes, check lists and radio groups.
#pragma once

#include "ui/toolkit/control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qm::ui {

// Orders texts as the lists do: letter case ignored, byte values otherwise.
bool lessIgnoringCase(const std::string& a, const std::string& b);

// A list of text items. Every change names the item it concerns, so a
// backend changes only that row and the list keeps its selection and scroll
// position; refilling goes through setItems or a beginUpdate/endUpdate pair.
class ListBox : public Control {
public:
    ListBox(Form& form, std::string name);

    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const;
    std::vector<std::string> items() const;
    // What the program keeps with an item besides its text (an entry's
    // stored text, say). It travels with its item through inserts, removes,
    // new texts and sorting, and nothing shows it.
    const std::string& itemData(int index) const;
    void setItemData(int index, std::string data);
    // Each item's own number, given when it is added, kept through new
    // texts, marks and sorting, and never given again in this list: what
    // finds an item again after a message loop ran and may have changed the
    // list (a modal dialog's, say).
    std::uint64_t itemKey(int index) const;
    // -1 when no item has that number (it was removed meanwhile).
    int indexOfKey(std::uint64_t key) const;
    // Adds at the end, or at the sorted place; returns the new index.
    int add(std::string text);
    void insert(int index, std::string text);
    // A new text for an item; its mark and data stay. Returns where the item
    // is afterwards (a sorted list moves it to its new place).
    int setItem(int index, std::string text);
    void remove(int index);
    void clear();
    void setItems(const std::vector<std::string>& texts);
    int indexOf(const std::string& text) const;
    // The item under a point of the list, as a mouse handler gets it; -1 for none.
    int itemAtPos(int x, int y) const;

    // A sorted list keeps its items in order with letter case ignored;
    // equal items keep the order they were added in.
    bool sorted() const { return sorted_; }
    void setSorted(bool sorted);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);

    // -1 when no item is selected.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    bool tabStop() const override { return true; }

    // The first row shown (0 before the form is attached); the backend knows
    // how far the user scrolled.
    int topIndex() const;
    void setTopIndex(int index);

    // Many changes in a row: the list is drawn once, at the end, and shows
    // the same rows at the top as before when it still has them. Pairs nest.
    void beginUpdate();
    void endUpdate();
    bool updating() const { return updates_ > 0; }

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    void userSelect(int index);
    void userDoubleClick(int index);

protected:
    ListBox(Form& form, ControlKind kind, std::string name);
    struct Item {
        std::string text;
        bool checked = false;
        std::string data;
        std::uint64_t key = 0;
    };
    std::vector<Item> items_;
    void checkIndex(int index) const;
    // Puts an item at `index` (or at its sorted place) and tells the backend.
    int insertItem(int index, Item item);

private:
    int insertPosition(const std::string& text) const;
    bool sorted_ = false;
    int itemHeight_ = 13;
    int itemIndex_ = -1;
    int updates_ = 0;
    std::uint64_t lastKey_ = 0;
};

// A list with a check box on every item; the user toggles the marks.
class CheckListBox : public ListBox {
public:
    CheckListBox(Form& form, std::string name);

    bool checked(int index) const;
    void setChecked(int index, bool checked);
    int checkedCount() const;
    // Adds an item with its mark; returns the new index.
    int add(std::string text, bool checked = false);

    std::function<void(int index)> onClickCheck;
    void userToggleCheck(int index);
};

class RadioGroup : public Control {
public:
    RadioGroup(Form& form, std::string name, std::string caption = {});

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    int columns() const { return columns_; }
    void setColumns(int columns);
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    // At its checked item, like radio buttons.
    bool tabStop() const override { return itemIndex_ >= 0; }

    std::function<void()> onClick;
    void userSelect(int index);

private:
    std::vector<std::string> items_;
    int columns_ = 1;
    int itemIndex_ = -1;
};

}  // namespace qm::ui
