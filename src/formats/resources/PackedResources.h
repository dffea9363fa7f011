// The packed resource store: named binary items carried inside the program (the skin
// pictures and the welcome entry's template), looked up by name without regard to ASCII
// letter case and read through a stream.
#pragma once

#include "base/io/MemoryStream.h"
#include "base/result/Result.h"

#include <memory>
#include <string>
#include <vector>

namespace formats::resources {

class PackedItemCollection;
class PackedResources;

// How an item keeps its data: as it was given (the only way).
enum class ItemStoreMode { Store };

class PackedItem {
public:
    explicit PackedItem(PackedItemCollection& collection) : collection_(&collection) {}

    ItemStoreMode StoreMode() const { return ItemStoreMode::Store; }
    void SetStoreMode(ItemStoreMode) {}

    // The data's length in bytes.
    size_t Size() const { return data_.Size(); }

    const std::string& Name() const { return name_; }
    // Refuses a name another item of the collection has (ASCII letter case ignored), with a
    // message in Windows-1252, and keeps its own.
    base::result::Status SetName(const std::string& name);

    // The name, or "TPackedItem" while the item holds no data.
    std::string DisplayName() const;

    // The data, positioned at its start; owned by the item.
    base::io::MemoryStream& DataStream();
    void SetData(std::string bytes) { data_ = base::io::MemoryStream(std::move(bytes)); }

private:
    friend class PackedItemCollection;
    PackedItemCollection* collection_;
    base::io::MemoryStream data_;
    std::string name_;
};

class PackedItemCollection {
public:
    explicit PackedItemCollection(PackedResources* owner = nullptr) : owner_(owner) {}
    PackedItemCollection(const PackedItemCollection&) = delete;
    PackedItemCollection& operator=(const PackedItemCollection&) = delete;

    PackedResources* Owner() const { return owner_; }
    size_t Count() const { return items_.size(); }
    PackedItem& operator[](size_t index) { return *items_[index]; }
    const PackedItem& operator[](size_t index) const { return *items_[index]; }

    // A new item with no name and no data, at the end.
    PackedItem& Add();
    // Replaces the items with copies of the other collection's.
    void Assign(const PackedItemCollection& other);

    // The first item named so (ASCII letter case ignored), or -1.
    int IndexOf(const std::string& name) const;

private:
    PackedResources* owner_;
    std::vector<std::unique_ptr<PackedItem>> items_;
};

class PackedResources {
public:
    PackedResources() = default;
    PackedResources(const PackedResources&) = delete;
    PackedResources& operator=(const PackedResources&) = delete;

    PackedItemCollection& Items() { return items_; }
    const PackedItemCollection& Items() const { return items_; }
    void SetItems(const PackedItemCollection& items) { items_.Assign(items); }

    // The sum of the items' sizes.
    size_t Size() const;

    int IndexOf(const std::string& name) const { return items_.IndexOf(name); }
    // The item of a name the program embeds. Asking for one it lacks is the caller's error
    // (std::out_of_range, with the message in Windows-1252); IndexOf tells first.
    PackedItem& ItemByName(const std::string& name);

private:
    PackedItemCollection items_{this};
};

// Fills the store with the program's own items: the eighteen skin pictures "skin00u.jpg",
// "skin00d.jpg", ... "skin08d.jpg" and the welcome entry's RTF "TemplateDiary".
void LoadProgramRessources(PackedResources& store);

// The item name of skin n's top strip ("skin03u.jpg") or background ("skin03d.jpg").
std::string SkinItemName(int skin, bool topStrip);

} // namespace formats::resources
