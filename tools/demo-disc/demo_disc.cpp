#include "demo_disc.h"

#include "disc_names.h"
#include "documents.h"
#include "media_files.h"
#include "pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QThread>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kestrane::demo {

namespace {

struct Job
{
    QString path; // relative to the disc's root, '/' separated
    std::function<QByteArray()> make;
    bool executable = false;
};

class Plan
{
public:
    explicit Plan(bool small) : m_small(small) {}

    QSize size(int w, int h) const
    {
        const QSize full(w, h);
        return m_small ? full.scaled(160, 120, Qt::KeepAspectRatio) : full;
    }
    double seconds(double full) const { return m_small ? 0.2 : full; }
    bool small() const { return m_small; }

    void picture(const QString& path, std::function<QImage()> draw)
    {
        const int quality = m_small ? 70 : 85;
        m_jobs.push_back({path, [draw = std::move(draw), quality] { return jpeg(draw(), quality); }});
    }
    void file(const QString& path, std::function<QByteArray()> make, bool executable = false)
    {
        m_jobs.push_back({path, std::move(make), executable});
    }
    const std::vector<Job>& jobs() const { return m_jobs; }

    static QByteArray jpeg(const QImage& image, int quality)
    {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", quality);
        return data;
    }

private:
    bool m_small;
    std::vector<Job> m_jobs;
};

void planPhotographs(Plan& plan)
{
    for (const ModelYear& y : modelYears())
        for (const QString& name : photoNames(y.code, plan.small())) {
            const PhotoText text{y.year, QStringLiteral("Kestrane photograph ") + name.at(2).toUpper(), name,
                                 name.at(2).toUpper(), y.number};
            plan.picture(QStringLiteral("kestranes/") + name,
                         [text, s = plan.size(1024, 768)] { return photograph(text, s); });
        }
    for (const Category& c : categories()) {
        const QString code = QString::fromLatin1(c.code);
        for (const QString& name : photoNames(code, plan.small())) {
            const QString upper = name.toUpper();
            const QChar letter = upper.at(upper.indexOf(u'.') - 1);
            const QString subtitle = code + QStringLiteral(" \u2013 photograph ") + letter;
            const int year = code == QLatin1String("EM") ? 1900 + upper.mid(3, 2).toInt() : 0;
            const PhotoText text{QString::fromLatin1(c.caption).trimmed(), subtitle, name, letter,
                                 year < 1953 ? year + 100 : year};
            plan.picture(QStringLiteral("kestranes/") + name,
                         [text, s = plan.size(1024, 768)] { return photograph(text, s); });
        }
    }
}

void planInsignia(Plan& plan)
{
    for (const NamedFile& f : scriptFiles())
        plan.picture(f.folder + u'/' + f.name,
                     [t = f.title, s = plan.size(320, 96)] { return scriptLettering(t, s); });
    for (const NamedFile& f : frontEmblemFiles())
        plan.picture(f.folder + u'/' + f.name,
                     [t = f.title, s = plan.size(150, 150)] { return emblem(EmblemKind::Front, t, s); });
    for (const NamedFile& f : rearEmblemFiles())
        plan.picture(f.folder + u'/' + f.name,
                     [t = f.title, s = plan.size(180, 110)] { return emblem(EmblemKind::Rear, t, s); });
    for (const NamedFile& f : sideEmblemFiles())
        plan.picture(f.folder + u'/' + f.name,
                     [t = f.title, s = plan.size(200, 70)] { return emblem(EmblemKind::Side, t, s); });
    for (const NamedFile& f : clipArtFiles())
        plan.picture(f.folder + u'/' + f.name,
                     [t = f.title, s = plan.size(360, 230)] { return clipArt(t, t.left(4).toInt(), s); });

    static const struct
    {
        const char* name;
        int w, h;
    } graphics[] = {{"97emboss.jpg", 776, 470}, {"53tile.jpg", 776, 470},  {"insignia.jpg", 1024, 600},
                    {"logoant2.jpg", 600, 160}, {"95white.jpg", 680, 280}, {"bklettxt.jpg", 740, 190},
                    {"quoxel3.jpg", 440, 160},  {"emb99.jpg", 300, 300},   {"nonose.jpg", 150, 150},
                    {"norear.jpg", 180, 110},   {"noside.jpg", 200, 70}};
    for (const auto& g : graphics) {
        const QString name = QString::fromLatin1(g.name);
        plan.picture(QStringLiteral("graphics/") + name,
                     [name, s = plan.size(g.w, g.h)] { return graphic(name, s); });
    }
}

void planPages(Plan& plan)
{
    for (const NamedFile& f : advertisementFiles()) {
        const QSize s = isWideAdvertisement(f.name) ? plan.size(1280, 800) : plan.size(800, 1040);
        if (f.name == QLatin1String("dalworth.jpg"))
            plan.picture(f.folder + u'/' + f.name,
                         [s] { return advertisement(QStringLiteral("Dalworth - Tressel"), 0, s); });
        else
            plan.picture(f.folder + u'/' + f.name,
                         [t = f.title, s] { return advertisement(t, t.left(4).toInt(), s); });
    }
    for (const NamedFile& f : brochureFiles())
        plan.picture(f.folder + u'/' + f.name,
                     [t = f.title, s = plan.size(770, 1000)] { return brochureCover(t, s); });
    // The series is oversize: 2400 to 3200 pixels wide, so the viewer always has to scroll.
    const QList<NamedFile> series = illustrationFiles();
    for (int n = 0; n < series.size(); ++n) {
        const int width = 2400 + 200 * (n % 5);
        plan.picture(series[n].folder + u'/' + series[n].name,
                     [n, t = series[n].title, s = plan.size(width, width * 3 / 4)] {
                         return illustration(n + 1, t, s);
                     });
    }
    plan.picture(QStringLiteral("dalworth/dalworth3.jpg"),
                 [s = plan.size(1024, 768)] { return dealerPhoto(s); });
    for (const Document& d : allDocuments(plan.small()))
        plan.file(d.folder + u'/' + d.name, d.make);
}

void planMedia(Plan& plan)
{
    for (const QString& name : soundEffects())
        plan.file(QStringLiteral("wav/") + name,
                  [name, t = plan.seconds(1.5)] { return wavFile(synthesizeSound(name, t)); });
    for (const QString& name : narrationFiles())
        plan.file(QStringLiteral("wav/") + name,
                  [name, t = plan.seconds(1.0)] { return wavFile(synthesizeSound(name, t)); });
    const int frames = plan.small() ? 10 : 20;
    for (const MovieFile& m : movies()) {
        const QString title = QString::fromLatin1(m.title);
        plan.file(QStringLiteral("movies/") + QString::fromLatin1(m.name), [title, frames] {
            const QSize size(320, 240);
            QList<QByteArray> jpegs;
            for (int i = 0; i < frames; ++i)
                jpegs.append(Plan::jpeg(movieFrame(title, i, frames, size), 80));
            return aviFile(jpegs, size, 10);
        });
    }
    // Stands in for the codec installer that the movie menu starts and waits for.
    plan.file(
        QStringLiteral("IndeoVideo/iv5play.exe"),
        [] {
            return QByteArrayLiteral(
                "#!/bin/sh\n# Video software installer of the demo disc: nothing to install.\nexit 0\n");
        },
        true);
}

bool writeFile(const QString& path, const QByteArray& data, bool executable, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                         QFileDevice::ExeOther);
    return true;
}

bool run(const QString& root, const std::vector<Job>& jobs, QString* error)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        *error = QStringLiteral("the demo disc needs a QGuiApplication to draw its pictures");
        return false;
    }
    QDir dir;
    for (const Job& job : jobs) {
        const QString folder = QFileInfo(root + u'/' + job.path).absolutePath();
        if (!dir.mkpath(folder)) {
            *error = QStringLiteral("cannot create folder %1").arg(folder);
            return false;
        }
    }
    std::atomic<size_t> next{0};
    std::mutex mutex;
    QString firstError;
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            QString e;
            if (!writeFile(root + u'/' + jobs[i].path, jobs[i].make(), jobs[i].executable, &e)) {
                const std::lock_guard lock(mutex);
                if (firstError.isEmpty())
                    firstError = e;
                next = jobs.size();
            }
        }
    };
    const int count = std::clamp(QThread::idealThreadCount(), 1, 4);
    std::vector<std::thread> threads;
    for (int i = 1; i < count; ++i)
        threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads)
        t.join();
    if (!firstError.isEmpty()) {
        *error = firstError;
        return false;
    }
    return true;
}

} // namespace

bool writeDemoDisc(const QString& folder, const Options& options, QString* error)
{
    Plan plan(options.small);
    planPhotographs(plan);
    planInsignia(plan);
    planPages(plan);
    planMedia(plan);
    QString e;
    const bool ok = run(QDir(folder).absolutePath(), plan.jobs(), &e);
    if (!ok && error)
        *error = e;
    return ok;
}

bool writeProgramFolder(const QString& folder, QString* error)
{
    QString e;
    const std::vector<Job> jobs = {{QStringLiteral("passby.wav"), [] {
                                        return wavFile(synthesizeSound(QStringLiteral("passby.wav"), 1.5));
                                    }}};
    const bool ok = run(QDir(folder).absolutePath(), jobs, &e);
    if (!ok && error)
        *error = e;
    return ok;
}

} // namespace kestrane::demo
