#include "ui/win32/ListBoxView.h"

namespace qv::ui {

int32_t TListBoxView::ItemCount() const { return int32_t(SendMessageW(list_, LB_GETCOUNT, 0, 0)); }

void TListBoxView::SetItemCount(int32_t count) { SendMessageW(list_, LB_SETCOUNT, WPARAM(count), 0); }

void TListBoxView::Repaint() { InvalidateRect(list_, nullptr, FALSE); }

int32_t TListBoxView::TopRow() const { return int32_t(SendMessageW(list_, LB_GETTOPINDEX, 0, 0)); }

void TListBoxView::SetTopRow(int32_t row) { SendMessageW(list_, LB_SETTOPINDEX, WPARAM(row), 0); }

int32_t TListBoxView::SelectedIndex() const { return int32_t(SendMessageW(list_, LB_GETCURSEL, 0, 0)); }

void TListBoxView::SetSelectedIndex(int32_t row) { SendMessageW(list_, LB_SETCURSEL, WPARAM(row), 0); }

bool TListBoxView::IsSelected(int32_t row) const { return row >= 0 && SelectedIndex() == row; }

void TListBoxView::SetSelected(int32_t row, bool selected) { SetSelectedIndex(selected ? row : -1); }

void TListBoxView::ClearSelection() { SetSelectedIndex(-1); }

}  // namespace qv::ui
