// The component model every window is built on: a component has an owner, owns the
// components created for it (in creation order, freed with it), a name, and perhaps a
// caption; it can say whether it is a form or a popup menu. The Win32 controls derive
// from these and mirror their captions into the real windows.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

class TPopupMenu;

class TComponent {
 public:
  explicit TComponent(TComponent* owner = nullptr, std::wstring name = L"");
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Creates a component owned by this one, appended to its owned list.
  template <typename T, typename... Args>
  T* Create(Args&&... args) {
    auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
    T* raw = component.get();
    owned_.push_back(std::move(component));
    return raw;
  }

  // Destroys an owned component before its owner goes; false when this does not own it.
  bool Free(TComponent* component);

  TComponent* Owner() const { return owner_; }
  const std::wstring& Name() const { return name_; }
  int ComponentCount() const { return static_cast<int>(owned_.size()); }
  TComponent* Components(int index) const { return owned_.at(static_cast<size_t>(index)).get(); }
  // The first directly owned component of that name (exact, as names are identifiers);
  // nothing for an empty name, which many components share.
  TComponent* FindComponent(const std::wstring& name) const;

  // A component with a caption answers true and reads and writes it.
  virtual bool HasCaption() const { return false; }
  virtual std::wstring Caption() const { return {}; }
  virtual void SetCaption(const std::wstring& caption) { (void)caption; }

  virtual bool IsForm() const { return false; }
  virtual TPopupMenu* AsPopupMenu() { return nullptr; }

 protected:
  // Frees the owned components, the last created first. A window calls it first thing
  // in its own destructor: a component may reach into its owner while it goes (the theme
  // helper puts the window's previous handler back), which is only safe while the
  // owner's members and window still exist. ~TComponent would run after them.
  void DestroyComponents();

 private:
  TComponent* owner_;
  std::wstring name_;
  std::vector<std::unique_ptr<TComponent>> owned_;
};

// A component that shows a caption: a label, a button, a check box, a form.
class TCaptionedComponent : public TComponent {
 public:
  TCaptionedComponent(TComponent* owner, std::wstring name, std::wstring caption = L"")
      : TComponent(owner, std::move(name)), caption_(std::move(caption)) {}

  bool HasCaption() const override { return true; }
  std::wstring Caption() const override { return caption_; }
  void SetCaption(const std::wstring& caption) override;

 protected:
  // Lets a real control follow its caption; the model keeps the text either way.
  virtual void CaptionChanged() {}

 private:
  std::wstring caption_;
};

// A window: its components are everything built for it, nested ones included.
class TForm : public TCaptionedComponent {
 public:
  using TCaptionedComponent::TCaptionedComponent;
  bool IsForm() const override { return true; }
};

// A menu item: owned by its window like any component, and placed in a tree of items
// under a popup menu's root item.
class TMenuItem : public TCaptionedComponent {
 public:
  using TCaptionedComponent::TCaptionedComponent;

  void Add(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }

 private:
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;  // not owned: the window owns every item
};

class TPopupMenu : public TComponent {
 public:
  TPopupMenu(TComponent* owner, std::wstring name);
  TPopupMenu* AsPopupMenu() override { return this; }
  // The root item has no caption of its own and belongs to the menu.
  TMenuItem* Items() const { return root_.get(); }

 private:
  std::unique_ptr<TMenuItem> root_;
};
