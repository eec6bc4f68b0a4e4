#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/surface.h"

struct TImage;

// A list of surfaces in insertion order, each with a name that may be empty. Owns the surfaces.
class TSurfaceCollection {
public:
  TSurfaceCollection() = default;
  virtual ~TSurfaceCollection() = default;
  TSurfaceCollection(TSurfaceCollection&&) = default;
  TSurfaceCollection& operator=(TSurfaceCollection&&) = default;

  // Both append a surface made from the image under an empty name; an image that cannot become
  // a surface adds nothing. AddFromDIB gives the new index, or -1 when nothing was added.
  virtual void AddFromBitmap(const TImage& image);
  virtual int AddFromDIB(const TImage& image);

  int Count() const { return static_cast<int>(FEntries.size()); }
  // Both give nothing (nullptr, "") for an index out of range.
  TSurface* GetSurface(int index) const;
  const std::string& GetName(int index) const;

  void Delete(int index);
  virtual void Clear() { FEntries.clear(); }

protected:
  struct TEntry {
    std::string Name;
    std::unique_ptr<TSurface> Surface;
  };
  static std::unique_ptr<TSurface> MakeSurface(const TImage& image);
  bool InRange(int index) const { return index >= 0 && index < Count(); }

  std::vector<TEntry> FEntries;
};

// Result of a name search in a sorted list: where the name is, or where it would be inserted.
struct TFindResult {
  bool Found = false;
  int Index = 0;
};

// Surfaces kept in ascending byte-wise order of unique names ("BT1_OK" before "BT_OK").
class TSurfaceSortCollection : public TSurfaceCollection {
public:
  // An unnamed surface has no place in a sorted list: these add nothing.
  void AddFromBitmap(const TImage& image) override;
  int AddFromDIB(const TImage& image) override;

  TFindResult Find(const std::string& name) const;
  // The surface of that name, or nullptr: a sprite that is not found is simply not drawn.
  TSurface* FindSurface(const std::string& name) const;

  // Puts a surface made from the image under the name, replacing the surface of an entry of
  // that name. Gives the entry's index, or -1 (list unchanged) when the image is unusable.
  // The caller sets the colour key afterwards.
  int AddSurface(const std::string& name, const TImage& image);
};
