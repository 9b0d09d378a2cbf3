// The Windows image list that mirrors the program's image collection.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "Tavin/ImageCollection.h"
#include "platform/win32/Win32Handles.h"

// An image list that holds the collection's images one to one, rendered at the list's
// pixel size, and follows the images the collection takes later. It is the list's only
// owner: a list view given it must have LVS_SHAREIMAGELISTS, or it destroys it as well.
class TCollectionImageList {
 public:
  TCollectionImageList(TImageCollection& collection, int iconSize, int rowHeight);
  // Stops listening to the collection, which may well outlive it (a new resolution makes
  // a new image list over the same collection).
  ~TCollectionImageList();
  TCollectionImageList(const TCollectionImageList&) = delete;
  TCollectionImageList& operator=(const TCollectionImageList&) = delete;
  HIMAGELIST Handle() const { return list_.get(); }
  int Count() const { return ImageList_GetImageCount(list_.get()); }

 private:
  void Append(int index);
  TImageCollection& collection_;
  UniqueImageList list_;
  int listener_ = 0;
  int iconSize_;
  int cellWidth_ = 0;
  int rowHeight_;
};
