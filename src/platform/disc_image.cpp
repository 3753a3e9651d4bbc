#include "platform/disc_image.h"

#include <QFileInfo>
#include <QHash>

namespace kestrane {

namespace {

// Deeper than any disc: a directory record that points back at an ancestor ends here.
constexpr int kMaxDepth = 64;

bool isCdImageName(const QString& hostPath)
{
    const QString suffix = QFileInfo(hostPath).suffix().toLower();
    return suffix == u"cue"_qs || suffix == u"nrg"_qs || suffix == u"toc"_qs;
}

} // namespace

QStringList rootNames(DiscImageReader& reader)
{
    std::vector<DiscImageReader::Item> items;
    QStringList names;
    if (reader.listFolder({}, &items)) {
        // "." and ".." are in every ISO 9660 listing: counted, they would outweigh a longer name.
        for (const auto& item : items)
            if (isSafeImageName(item.entry.name))
                names << item.entry.name;
    }
    return names;
}

qint64 nameLength(const QStringList& names)
{
    qint64 total = 0;
    for (const QString& name : names)
        total += name.size();
    return total;
}

qint64 rootNameLength(DiscImageReader& reader)
{
    return nameLength(rootNames(reader));
}

struct DiscImage::Node
{
    DiscImageReader::Item item;
    bool listed = false;
    std::vector<std::unique_ptr<Node>> children;
    QHash<QString, Node*> byName; // lower-case name
};

bool isSafeImageName(const QString& name)
{
    return !name.isEmpty() && name != u"."_qs && name != u".."_qs && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

DiscImage::DiscImage(std::unique_ptr<DiscImageReader> reader)
    : m_reader(std::move(reader)), m_root(std::make_unique<Node>())
{
    m_root->item.entry.folder = true;
}

DiscImage::~DiscImage() = default;

std::unique_ptr<DiscImage> DiscImage::open(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (!info.exists() || info.isDir())
        return nullptr;
    std::unique_ptr<DiscImageReader> reader;
    if (isCdImageName(hostPath)) {
        reader = openCdImage(hostPath);
    } else {
        // A bridge disc carries both file systems: the one with the longer names is the one meant.
        reader = openIsoImage(hostPath);
        std::unique_ptr<DiscImageReader> udf = openUdfImage(hostPath);
        if (!reader || (udf && rootNameLength(*udf) > rootNameLength(*reader)))
            reader = std::move(udf);
        if (!reader && !info.isFile())
            reader = openCdImage(hostPath); // a drive's device holding a mixed-mode disc
    }
    if (!reader)
        return nullptr;
    auto image = std::make_unique<DiscImage>(std::move(reader));
    // An image whose root cannot be listed is none.
    if (!image->fill(*image->m_root))
        return nullptr;
    return image;
}

bool DiscImage::fill(Node& folder)
{
    if (folder.listed)
        return true;
    std::vector<DiscImageReader::Item> items;
    if (!m_reader->listFolder(folder.item.key, &items))
        return false;
    folder.listed = true;
    folder.byName.reserve(qsizetype(items.size()));
    folder.children.reserve(items.size());
    for (DiscImageReader::Item& item : items) {
        const QString name = item.entry.name;
        const QString lower = name.toLower();
        // A name that would lead out of its folder, or a second entry of one name, is not listed.
        if (!isSafeImageName(name) || folder.byName.contains(lower))
            continue;
        auto node = std::make_unique<Node>();
        node->item = std::move(item);
        folder.byName.insert(lower, node.get());
        folder.children.push_back(std::move(node));
    }
    return true;
}

DiscImage::Node* DiscImage::findNode(const QStringList& names, QStringList* spelled)
{
    if (names.size() > kMaxDepth)
        return nullptr;
    Node* current = m_root.get();
    QStringList spelling;
    for (const QString& name : names) {
        if (!current->item.entry.folder || !fill(*current))
            return nullptr;
        Node* next = current->byName.value(name.toLower());
        if (!next)
            return nullptr;
        spelling << next->item.entry.name;
        current = next;
    }
    if (spelled)
        *spelled = spelling;
    return current;
}

std::optional<DiscImageEntry> DiscImage::find(const QStringList& names, QStringList* spelled)
{
    const std::lock_guard lock(m_mutex);
    const Node* node = findNode(names, spelled);
    if (!node)
        return std::nullopt;
    return node->item.entry;
}

bool DiscImage::list(const QStringList& folder, QList<DiscImageEntry>* entries)
{
    const std::lock_guard lock(m_mutex);
    // At the depth limit a folder lists nothing, so that every name listed can also be found.
    Node* node = folder.size() < kMaxDepth ? findNode(folder, nullptr) : nullptr;
    if (!node || !node->item.entry.folder || !fill(*node))
        return false;
    entries->clear();
    entries->reserve(qsizetype(node->children.size()));
    for (const auto& child : node->children)
        entries->append(child->item.entry);
    return true;
}

qint64 DiscImage::File::size() const
{
    return m_node ? m_node->item.entry.size : 0;
}

DiscImage::File DiscImage::openFile(const QStringList& names)
{
    const std::lock_guard lock(m_mutex);
    File file;
    if (const Node* node = findNode(names, nullptr); node && !node->item.entry.folder)
        file.m_node = node;
    return file;
}

qint64 DiscImage::read(const File& file, qint64 offset, char* buffer, qint64 size)
{
    if (!file.m_node || offset < 0 || size < 0)
        return -1;
    const qint64 length = file.m_node->item.entry.size;
    if (offset >= length || size == 0)
        return 0;
    const std::lock_guard lock(m_mutex);
    return m_reader->read(file.m_node->item, offset, buffer, std::min(size, length - offset));
}

qint64 DiscImage::read(const QStringList& file, qint64 offset, char* buffer, qint64 size)
{
    return read(openFile(file), offset, buffer, size);
}

} // namespace kestrane
