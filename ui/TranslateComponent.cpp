#include "ui/TranslateComponent.h"

#include "Tavin/Translate.h"

void TranslateMenuItem(TMenuItem* item) {
  if (item == nullptr) return;
  item->SetCaption(TranslateText(item->Caption(), L""));
  const int count = item->Count();
  for (int i = 0; i < count; ++i) TranslateMenuItem(item->Items(i));
}

void TranslateComponent(TComponent* component, const std::wstring& language) {
  if (!language.empty()) CurrentLanguage = language;
  if (component == nullptr) return;
  if (TPopupMenu* menu = component->AsPopupMenu()) TranslateMenuItem(menu->Items());
  if (component->HasCaption()) {
    const std::wstring caption = component->Caption();
    const bool english = component->IsForm() && CurrentLanguage != L"ko";
    component->SetCaption(TranslateText(caption, english ? L"en" : L""));
  }
  // The count is read again before every step: translating may build components.
  for (int i = 0; i < component->ComponentCount(); ++i)
    TranslateComponent(component->Components(i), language);
}
