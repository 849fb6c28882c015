#include "ui/toolkit/lists.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace qm::ui {

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto fold = [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
        };
        return fold(x) < fold(y);
    });
}

ListBox::ListBox(Form& form, std::string name) : ListBox(form, ControlKind::ListBox, std::move(name)) {}

ListBox::ListBox(Form& form, ControlKind kind, std::string name) : Control(&form, kind, std::move(name))
{
    setBounds(0, 0, 121, 97);
}

void ListBox::checkIndex(int index) const
{
    if (index < 0 || index >= count()) {
        throw std::out_of_range("list index " + std::to_string(index) + " out of bounds (" + name() + ", " +
                                std::to_string(count()) + " items)");
    }
}

const std::string& ListBox::item(int index) const
{
    checkIndex(index);
    return items_[static_cast<std::size_t>(index)].text;
}

std::vector<std::string> ListBox::items() const
{
    std::vector<std::string> result;
    result.reserve(items_.size());
    for (const Item& i : items_) {
        result.push_back(i.text);
    }
    return result;
}

const std::string& ListBox::itemData(int index) const
{
    checkIndex(index);
    return items_[static_cast<std::size_t>(index)].data;
}

void ListBox::setItemData(int index, std::string data)
{
    checkIndex(index);
    items_[static_cast<std::size_t>(index)].data = std::move(data);
}

std::uint64_t ListBox::itemKey(int index) const
{
    checkIndex(index);
    return items_[static_cast<std::size_t>(index)].key;
}

int ListBox::indexOfKey(std::uint64_t key) const
{
    for (int i = 0; i < count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].key == key) {
            return i;
        }
    }
    return -1;
}

int ListBox::insertPosition(const std::string& text) const
{
    if (!sorted_) {
        return count();
    }
    auto it = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& t, const Item& i) { return lessIgnoringCase(t, i.text); });
    return static_cast<int>(it - items_.begin());
}

int ListBox::insertItem(int index, Item item)
{
    if (sorted_) {
        index = insertPosition(item.text);
    }
    // An item that moves to its sorted place keeps its number.
    if (item.key == 0) {
        item.key = ++lastKey_;
    }
    items_.insert(items_.begin() + index, std::move(item));
    if (itemIndex_ >= index) {
        ++itemIndex_;
    }
    changed(Change::ItemInserted, index);
    return index;
}

int ListBox::add(std::string text) { return insertItem(count(), Item{std::move(text), false, {}}); }

void ListBox::insert(int index, std::string text)
{
    if (index < 0 || index > count()) {
        checkIndex(index);
    }
    // A sorted list decides the place itself.
    insertItem(index, Item{std::move(text), false, {}});
}

int ListBox::setItem(int index, std::string text)
{
    checkIndex(index);
    auto& slot = items_[static_cast<std::size_t>(index)];
    if (!sorted_) {
        slot.text = std::move(text);
        changed(Change::ItemText, index);
        return index;
    }
    // The item moves to its new place with its mark, data and selection.
    Item moved = std::move(slot);
    moved.text = std::move(text);
    const bool wasSelected = itemIndex_ == index;
    remove(index);
    const int at = insertItem(count(), std::move(moved));
    if (wasSelected) {
        setItemIndex(at);
    }
    return at;
}

void ListBox::remove(int index)
{
    checkIndex(index);
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) {
        itemIndex_ = -1;
    } else if (itemIndex_ > index) {
        --itemIndex_;
    }
    changed(Change::ItemRemoved, index);
}

void ListBox::clear()
{
    items_.clear();
    itemIndex_ = -1;
    changed(Change::Items);
}

void ListBox::setItems(const std::vector<std::string>& texts)
{
    items_.clear();
    items_.reserve(texts.size());
    itemIndex_ = -1;
    for (const std::string& t : texts) {
        items_.push_back(Item{t, false, {}, ++lastKey_});
    }
    if (sorted_) {
        std::stable_sort(items_.begin(), items_.end(),
                         [](const Item& a, const Item& b) { return lessIgnoringCase(a.text, b.text); });
    }
    changed(Change::Items);
}

int ListBox::indexOf(const std::string& text) const
{
    for (int i = 0; i < count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].text == text) {
            return i;
        }
    }
    return -1;
}

int ListBox::itemAtPos(int x, int y) const
{
    if (const Backend* backend = form().backend()) {
        return backend->itemAtPoint(*this, x, y);
    }
    return -1;
}

int ListBox::topIndex() const
{
    if (const Backend* backend = form().backend()) {
        return backend->topIndex(*this);
    }
    return 0;
}

void ListBox::setTopIndex(int index)
{
    if (Backend* backend = form().backend(); backend != nullptr && index >= 0 && index < count()) {
        backend->setTopIndex(*this, index);
    }
}

void ListBox::beginUpdate()
{
    if (updates_++ == 0) {
        changed(Change::UpdateBegin);
    }
}

void ListBox::endUpdate()
{
    if (updates_ > 0 && --updates_ == 0) {
        changed(Change::UpdateEnd);
    }
}

void ListBox::setSorted(bool sorted)
{
    if (sorted == sorted_) {
        return;
    }
    sorted_ = sorted;
    if (sorted_) {
        std::stable_sort(items_.begin(), items_.end(),
                         [](const Item& a, const Item& b) { return lessIgnoringCase(a.text, b.text); });
        itemIndex_ = -1;
        changed(Change::Items);
    }
}

void ListBox::setItemHeight(int height)
{
    itemHeight_ = height;
    changed(Change::ItemHeight);
}

void ListBox::setItemIndex(int index)
{
    if (index < -1 || index >= count()) {
        index = -1;
    }
    if (index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    changed(Change::ItemIndex);
}

void ListBox::userSelect(int index)
{
    if (!takesInput()) {
        return;
    }
    setItemIndex(index);
    if (onClick) {
        onClick();
    }
}

void ListBox::userDoubleClick(int index)
{
    if (!takesInput()) {
        return;
    }
    setItemIndex(index);
    if (onDblClick) {
        onDblClick();
    }
}

CheckListBox::CheckListBox(Form& form, std::string name) : ListBox(form, ControlKind::CheckListBox, std::move(name))
{
    setFont(Font::fixed());
    setItemHeight(15);
}

bool CheckListBox::checked(int index) const
{
    checkIndex(index);
    return items_[static_cast<std::size_t>(index)].checked;
}

void CheckListBox::setChecked(int index, bool checked)
{
    checkIndex(index);
    auto& mark = items_[static_cast<std::size_t>(index)].checked;
    if (mark == checked) {
        return;
    }
    mark = checked;
    changed(Change::ItemChecked, index);
}

int CheckListBox::checkedCount() const
{
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.checked; }));
}

int CheckListBox::add(std::string text, bool checked)
{
    // The mark comes with the item, so the row is drawn right the first time.
    return insertItem(count(), Item{std::move(text), checked, {}});
}

void CheckListBox::userToggleCheck(int index)
{
    if (!takesInput() || index < 0 || index >= count()) {
        return;
    }
    setChecked(index, !checked(index));
    if (onClickCheck) {
        onClickCheck(index);
    }
}

RadioGroup::RadioGroup(Form& form, std::string name, std::string caption)
    : Control(&form, ControlKind::RadioGroup, std::move(name))
{
    setCaption(std::move(caption));
    setBounds(0, 0, 185, 105);
}

void RadioGroup::setItems(std::vector<std::string> items)
{
    items_ = std::move(items);
    if (itemIndex_ >= static_cast<int>(items_.size())) {
        itemIndex_ = -1;
    }
    changed(Change::Items);
}

void RadioGroup::setColumns(int columns)
{
    columns_ = columns < 1 ? 1 : columns;
    changed(Change::Items);
}

void RadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(items_.size())) {
        index = -1;
    }
    if (index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    changed(Change::ItemIndex);
}

void RadioGroup::userSelect(int index)
{
    if (!takesInput() || index < 0 || index >= static_cast<int>(items_.size())) {
        return;
    }
    const bool changedNow = index != itemIndex_;
    setItemIndex(index);
    if (changedNow && onClick) {
        onClick();
    }
}

}  // namespace qm::ui
