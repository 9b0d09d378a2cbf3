// The Windows image list that mirrors the program's image collection.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "Tavin/ImageCollection.h"

// An image list that holds the collection's images one to one, rendered at the list's
// pixel size, and follows the images the collection takes later.
class TCollectionImageList {
 public:
  TCollectionImageList(TImageCollection& collection, int iconSize, int rowHeight);
  ~TCollectionImageList();
  HIMAGELIST Handle() const { return list_; }
  int Count() const { return ImageList_GetImageCount(list_); }

 private:
  void Append(int index);
  TImageCollection& collection_;
  HIMAGELIST list_ = nullptr;
  int iconSize_;
  int cellWidth_ = 0;
  int rowHeight_;
};
