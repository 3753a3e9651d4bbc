#include "platform/fakes/fake_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kestrane {

namespace {

QString makeFolder(const QString& path)
{
    QDir().mkpath(path);
    return path;
}

// Hands a device to its owner while the platform keeps it for the test to read.
class SharedAudioDevice : public AudioDevice
{
public:
    explicit SharedAudioDevice(std::shared_ptr<FakeAudioDevice> device) : m_device(std::move(device)) {}
    bool open(std::unique_ptr<WaveDecoder> sound) override { return m_device->open(std::move(sound)); }
    bool play() override { return m_device->play(); }
    void close() override { m_device->close(); }
    bool isOpen() const override { return m_device->isOpen(); }

private:
    std::shared_ptr<FakeAudioDevice> m_device;
};

class SharedVideoPlayer : public VideoPlayer
{
public:
    explicit SharedVideoPlayer(std::shared_ptr<FakeVideoPlayer> player) : m_player(std::move(player)) {}
    // The test keeps the player after its window has gone: no event may reach that window then.
    ~SharedVideoPlayer() override { m_player->setEvents({}); }
    bool open(const QString& hostPath) override { return m_player->open(hostPath); }
    void play() override { m_player->play(); }
    void pause() override { m_player->pause(); }
    void stop() override { m_player->stop(); }
    void close() override { m_player->close(); }
    bool isPlaying() const override { return m_player->isPlaying(); }
    qint64 position() const override { return m_player->position(); }
    qint64 duration() const override { return m_player->duration(); }
    void setPosition(qint64 milliseconds) override { m_player->setPosition(milliseconds); }
    float volume() const override { return m_player->volume(); }
    void setVolume(float volume) override { m_player->setVolume(volume); }
    void setEvents(VideoEvents events) override { m_player->setEvents(std::move(events)); }
    QWidget* surface() override { return m_player->surface(); }

private:
    std::shared_ptr<FakeVideoPlayer> m_player;
};

} // namespace

QString writeHostFile(const QString& folder, const QString& relativePath, const QByteArray& data)
{
    const QString path = folder + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
    return path;
}

FakePlatform::FakePlatform()
    : fileSystem(DriveMap(), QString(), QString()), printer(QString()),
      installer(QString(), QString(), QString())
{
    // Members that need the temporary folder are set up once it exists.
    const QString program = makeFolder(m_dir.path() + u"/program"_qs);
    fileSystem = HostFileSystem(DriveMap(), program, makeFolder(m_dir.path() + u"/system"_qs));
    printer.setPdfPath(m_dir.path() + u"/printed.pdf"_qs);
    installer =
        HostComponentInstaller(fileSystem.systemFolder(), m_dir.path() + u"/screensavers"_qs, QString());
    dialogs.pictures = makeFolder(m_dir.path() + u"/pictures"_qs);

    m_platform.fileSystem = &fileSystem;
    m_platform.dialogs = &dialogs;
    m_platform.settings = &settings;
    m_platform.printer = &printer;
    m_platform.clipboard = &clipboard;
    m_platform.processes = &processes;
    m_platform.windowManager = &windowManager;
    m_platform.screen = &screen;
    m_platform.app = &app;
    m_platform.clock = &clock;
    m_platform.installer = &installer;
    m_platform.makeAudioDevice = [this] {
        auto device = std::make_shared<FakeAudioDevice>();
        audioDevices.push_back(device);
        return std::unique_ptr<AudioDevice>(std::make_unique<SharedAudioDevice>(device));
    };
    m_platform.makeVideoPlayer = [this] {
        auto player = std::make_shared<FakeVideoPlayer>();
        videoPlayers.push_back(player);
        return std::unique_ptr<VideoPlayer>(std::make_unique<SharedVideoPlayer>(player));
    };
}

FakePlatform::~FakePlatform() = default;

QString FakePlatform::addDrive(QChar letter)
{
    const QString folder = makeFolder(m_dir.path() + u"/drive_"_qs + letter);
    mapDrive(letter, folder);
    return folder;
}

void FakePlatform::mapDrive(QChar letter, const QString& folder)
{
    m_drives.set(letter, folder);
    fileSystem.setDrives(m_drives);
}

void FakePlatform::removeDrive(QChar letter)
{
    DriveMap map;
    const auto entries = m_drives.entries();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it.key() != letter.toUpper())
            map.set(it.key(), it.value());
    }
    m_drives = map;
    fileSystem.setDrives(m_drives);
}

} // namespace kestrane
