// The packed resource store: named binary items carried inside the program (the skin
// pictures and the welcome entry's template), looked up by name without regard to ASCII
// letter case and read through a stream.
#pragma once

#include "base/MemoryStream.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Raised for a name that is not in the store and for a name already taken. The message is
// text in Windows-1252.
class ERessourceStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TStoreMode { smStore };

class TPackedRessources;
class TRessourceStore;

class TPackedItem {
public:
    explicit TPackedItem(TPackedRessources& collection) : collection_(&collection) {}

    TStoreMode StoreMode() const { return smStore; }
    void SetStoreMode(TStoreMode) {}

    // The data's length in bytes.
    size_t Size() const { return data_.Size(); }

    const std::string& Name() const { return name_; }
    // Refuses a name another item of the collection has (ASCII letter case ignored).
    void SetName(const std::string& name);

    // The name, or "TPackedItem" while the item holds no data.
    std::string DisplayName() const;

    // The data, positioned at its start; owned by the item.
    TMemoryStream& DataStream();
    void SetData(std::string bytes) { data_ = TMemoryStream(std::move(bytes)); }

    // The persisted "ResData" value: a 32-bit little-endian length and that many bytes.
    void WriteData(TMemoryStream& stream) const;
    // Replaces the data with a "ResData" value read from stream; false (data left empty) when
    // the stream ends before the length says.
    bool ReadData(TMemoryStream& stream);

private:
    friend class TPackedRessources;
    TPackedRessources* collection_;
    TMemoryStream data_;
    std::string name_;
};

class TPackedRessources {
public:
    explicit TPackedRessources(TRessourceStore* owner = nullptr) : owner_(owner) {}
    TPackedRessources(const TPackedRessources&) = delete;
    TPackedRessources& operator=(const TPackedRessources&) = delete;

    TRessourceStore* Owner() const { return owner_; }
    size_t Count() const { return items_.size(); }
    TPackedItem& operator[](size_t index) { return *items_[index]; }
    const TPackedItem& operator[](size_t index) const { return *items_[index]; }

    // A new item with no name and no data, at the end.
    TPackedItem& Add();
    // Replaces the items with copies of the other collection's.
    void Assign(const TPackedRessources& other);

    // The first item named so (ASCII letter case ignored), or -1.
    int IndexOf(const std::string& name) const;

private:
    TRessourceStore* owner_;
    std::vector<std::unique_ptr<TPackedItem>> items_;
};

class TRessourceStore {
public:
    TRessourceStore() = default;
    TRessourceStore(const TRessourceStore&) = delete;
    TRessourceStore& operator=(const TRessourceStore&) = delete;

    TPackedRessources& Items() { return items_; }
    const TPackedRessources& Items() const { return items_; }
    void SetItems(const TPackedRessources& items) { items_.Assign(items); }

    // The sum of the items' sizes.
    size_t Size() const;

    int IndexOf(const std::string& name) const { return items_.IndexOf(name); }
    // Raises ERessourceStoreError when there is no such item.
    TPackedItem& ItemByName(const std::string& name);

private:
    TPackedRessources items_{this};
};

// Fills the store with the program's own items: the eighteen skin pictures "skin00u.jpg",
// "skin00d.jpg", ... "skin08d.jpg" and the welcome entry's RTF "TemplateDiary".
void LoadProgramRessources(TRessourceStore& store);

// The item name of skin n's top strip ("skin03u.jpg") or background ("skin03d.jpg").
std::string SkinItemName(int skin, bool topStrip);
