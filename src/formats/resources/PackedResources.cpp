#include "formats/resources/PackedResources.h"

#include "formats/resources/PackedItems.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

using base::io::MemoryStream;
using base::result::Fail;
using base::result::Reason;
using base::result::Status;

namespace formats::resources {

namespace {

bool SameNameNoCase(const std::string& a, const std::string& b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

} // namespace

Status PackedItem::SetName(const std::string& name)
{
    for (size_t i = 0; i < collection_->Count(); ++i) {
        const PackedItem& other = (*collection_)[i];
        if (&other != this && SameNameNoCase(other.name_, name))
            return Fail(Reason::Refused, "Le nom \"" + name + "\" est d\xE9j\xE0 utilis\xE9 !");
    }
    name_ = name;
    return {};
}

std::string PackedItem::DisplayName() const
{
    return data_.Size() == 0 ? "TPackedItem" : name_;
}

MemoryStream& PackedItem::DataStream()
{
    data_.Seek(0);
    return data_;
}

PackedItem& PackedItemCollection::Add()
{
    items_.push_back(std::make_unique<PackedItem>(*this));
    return *items_.back();
}

void PackedItemCollection::Assign(const PackedItemCollection& other)
{
    if (&other == this)
        return;
    items_.clear();
    for (const auto& item : other.items_) {
        PackedItem& copy = Add();
        copy.name_ = item->name_;
        copy.data_ = MemoryStream(item->data_.Bytes());
    }
}

int PackedItemCollection::IndexOf(const std::string& name) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (SameNameNoCase(items_[i]->Name(), name))
            return static_cast<int>(i);
    return -1;
}

size_t PackedResources::Size() const
{
    size_t size = 0;
    for (size_t i = 0; i < items_.Count(); ++i)
        size += items_[i].Size();
    return size;
}

PackedItem& PackedResources::ItemByName(const std::string& name)
{
    const int index = IndexOf(name);
    if (index < 0)
        throw std::out_of_range("La ressource \"" + name + "\" n'existe pas !");
    return items_[static_cast<size_t>(index)];
}

void LoadProgramRessources(PackedResources& store)
{
    PackedItemCollection items;
    for (size_t i = 0; i < packed_items::ItemCount; ++i) {
        const packed_items::EmbeddedItem& embedded = packed_items::Items[i];
        PackedItem& item = items.Add();
        if (!item.SetName(embedded.Name))
            throw std::logic_error(std::string("the program embeds two items named ") + embedded.Name);
        item.SetData(std::string(reinterpret_cast<const char*>(embedded.Data), embedded.Size));
    }
    store.SetItems(items);
}

std::string SkinItemName(int skin, bool topStrip)
{
    char name[32];
    std::snprintf(name, sizeof name, skin < 10 ? "skin0%d%s" : "skin%d%s", skin, topStrip ? "u.jpg" : "d.jpg");
    return name;
}

} // namespace formats::resources
