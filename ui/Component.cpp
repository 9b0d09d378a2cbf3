#include "ui/Component.h"

TComponent::TComponent(TComponent* owner, std::wstring name)
    : owner_(owner), name_(std::move(name)) {}

TComponent::~TComponent() {
  // Later components may refer to earlier ones (a menu item to its menu), so the last
  // created goes first.
  while (!owned_.empty()) owned_.pop_back();
}

void TCaptionedComponent::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  CaptionChanged();
}

void TMenuItem::Add(TMenuItem* item) {
  item->parent_ = this;
  items_.push_back(item);
}

TPopupMenu::TPopupMenu(TComponent* owner, std::wstring name)
    : TComponent(owner, std::move(name)), root_(std::make_unique<TMenuItem>(nullptr, L"")) {}
