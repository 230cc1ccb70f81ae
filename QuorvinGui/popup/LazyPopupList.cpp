#include "popup/LazyPopupList.h"

LazyPopupList::LazyPopupList(PopupAnchor& anchor, PopupSelectionTarget& target, const ControlStyle& style)
    : anchor_(anchor), target_(target), style_(style)
{
}

LazyPopupList::~LazyPopupList()
{
    if (popup_) {
        popup_->choose(-1);
        popup_->Destroy();
    }
}

void LazyPopupList::setLayout(CellLayout* layout)
{
    layout_ = layout;
    if (popup_) {
        popup_->setLayout(layout);
        popup_->setScrollExtents({0, 0});
    }
}

void LazyPopupList::open()
{
    if (!popup_) {
        popup_ = new PopupListDialog(anchor_, target_, style_);
        popup_->setLayout(layout_);
    }
    if (!popup_->IsShown())
        popup_->popup();
}
