#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QIODevice;

namespace kestrane {

// One file or folder inside a disc image, as its directory lists it.
struct DiscImageEntry
{
    QString name; // the longest form the image carries: Rock Ridge, Joliet or 8.3 without ";1"
    bool folder = false;
    qint64 size = 0;
    QDateTime modified; // UTC, invalid when the image does not say
};

// How one image format lists a folder and reads a file; the tree above it is DiscImage's.
class DiscImageReader
{
public:
    struct Item
    {
        DiscImageEntry entry;
        QByteArray key; // what the reader needs to find the item again (a path or a sector)
    };
    virtual ~DiscImageReader() = default;
    // The items of the folder found by `key` (the root's key is empty); false when it cannot be read.
    virtual bool listFolder(const QByteArray& key, std::vector<Item>* items) = 0;
    // Up to `size` bytes of the file from `offset`; -1 when the image cannot give them.
    virtual qint64 read(const Item& file, qint64 offset, char* buffer, qint64 size) = 0;
};

// A disc image file or an optical drive's device, read without mounting it: ISO 9660 (8.3,
// Joliet and Rock Ridge names), UDF, and the CD images libcdio reads (BIN/CUE, NRG). Names are
// found without regard to letter case. Every method may be called from any thread.
class DiscImage
{
public:
    explicit DiscImage(std::unique_ptr<DiscImageReader> reader);
    ~DiscImage();
    DiscImage(const DiscImage&) = delete;
    DiscImage& operator=(const DiscImage&) = delete;

    // The image at `hostPath`, or null when it is none of the formats (or cannot be read).
    static std::unique_ptr<DiscImage> open(const QString& hostPath);

    // The entry at `names` below the root (empty: the root folder), with `*spelled` set to the
    // names as the image spells them; nothing when a name is missing.
    std::optional<DiscImageEntry> find(const QStringList& names, QStringList* spelled = nullptr);
    // The entries of a folder; false when it is missing or unreadable.
    bool list(const QStringList& folder, QList<DiscImageEntry>* entries);
    // Up to `size` bytes of a file from `offset`: the count read, 0 at the end, -1 on failure.
    qint64 read(const QStringList& file, qint64 offset, char* buffer, qint64 size);

private:
    struct Node;

public:
    // A file found once and then read in many pieces, as a movie is, without finding it again.
    // Valid for the life of its image.
    class File
    {
    public:
        bool isValid() const { return m_node != nullptr; }
        qint64 size() const;

    private:
        friend class DiscImage;
        const Node* m_node = nullptr;
    };
    // The file at `names`; not valid when it is missing or a folder.
    File openFile(const QStringList& names);
    qint64 read(const File& file, qint64 offset, char* buffer, qint64 size);

private:
    Node* findNode(const QStringList& names, QStringList* spelled);
    bool fill(Node& folder);

    std::mutex m_mutex;
    std::unique_ptr<DiscImageReader> m_reader;
    std::unique_ptr<Node> m_root;
};

// The readers of each format: null when the image is not of that format.
std::unique_ptr<DiscImageReader> openIsoImage(const QString& hostPath);
std::unique_ptr<DiscImageReader> openCdImage(const QString& hostPath);
std::unique_ptr<DiscImageReader> openUdfImage(const QString& hostPath);

// True when the device holds UDF's volume recognition sequence (ECMA 167): the test that keeps
// images of other kinds away from the UDF library.
bool hasUdfRecognitionSequence(QIODevice& device);

// False when a logical volume's file set area, as the descriptors at the anchor name it, passes
// the end of an image of `imageBytes`: a damaged or hostile image the UDF library would read
// sector by sector to that end.
bool udfFileSetWithinImage(QIODevice& device, qint64 imageBytes);

// True when an NRG image's footer and chunk list are within the file and whole: the test that
// keeps a damaged one away from the image library.
bool hasSoundNrgChunks(QIODevice& device);

// The names in a reader's root folder that an image may hold, and their length in all: of two
// trees, the longer names are the real ones.
QStringList rootNames(DiscImageReader& reader);
qint64 nameLength(const QStringList& names);
qint64 rootNameLength(DiscImageReader& reader);

// A name an image may hold for a file: not empty, no separator, not "." or "..".
bool isSafeImageName(const QString& name);

} // namespace kestrane
