#include "ui/Component.h"

TComponent::TComponent(TComponent* owner, std::wstring name)
    : owner_(owner), name_(std::move(name)) {}

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::DestroyComponents() {
  // Later components may refer to earlier ones (a menu item to its menu), so the last
  // created goes first. Each is out of the list before its destructor runs.
  while (!owned_.empty()) {
    std::unique_ptr<TComponent> last = std::move(owned_.back());
    owned_.pop_back();
  }
}

bool TComponent::Free(TComponent* component) {
  for (auto it = owned_.begin(); it != owned_.end(); ++it) {
    if (it->get() != component) continue;
    // Taken out of the list first, so a destructor that looks at its owner's components
    // no longer finds itself there.
    std::unique_ptr<TComponent> gone = std::move(*it);
    owned_.erase(it);
    return true;
  }
  return false;
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
  if (name.empty()) return nullptr;
  for (const auto& component : owned_) {
    if (component->Name() == name) return component.get();
  }
  return nullptr;
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
