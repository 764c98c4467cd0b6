#include "generator/PageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The words of the reasons a page is not saved or read, in the user's language.
struct PageFileWords {
    Q_DECLARE_TR_FUNCTIONS(PageFile)
};

} // namespace

namespace {

// A page written again keeps its mode, and its owner and group where the process may give
// them: root replacing another user's page leaves it theirs.
void keepModeAndOwner(const QString& path, int handle) {
    struct stat old {};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0)
        return; // a new page: the mode the user's umask gives
    struct stat now {};
    if (::fstat(handle, &now) != 0)
        return;
    // Only what differs: an inode left as it is has nothing more to put on the disk.
    if ((now.st_mode & 07777) != (old.st_mode & 07777))
        ::fchmod(handle, old.st_mode & 07777);
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(handle, old.st_uid, old.st_gid) != 0)
        return; // not ours to give away: the page stays the process's own
}

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The page's bytes under a short name of their own beside the target, so that a target whose
// name is as long as the file system allows still has room for it; gone unless renamed.
class TemporaryPage {
public:
    explicit TemporaryPage(const QString& folder) {
        for (int attempt = 0; attempt < 100 && handle_ < 0; ++attempt) {
            name_ = QFile::encodeName(QDir(folder).filePath(
                QStringLiteral(".tessel-%1")
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
            // 0666 as any new file: the umask takes away what the user wants taken.
            handle_ = ::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (handle_ < 0 && errno != EEXIST)
                break;
        }
        // The page itself may be writable: say that its folder is what refuses.
        if (handle_ < 0) {
            const int why = errno;
            const QString words = QString::fromLocal8Bit(std::strerror(why));
            error_ = why == EACCES || why == EPERM || why == EROFS
                         ? PageFileWords::tr("its folder %1 cannot be written to (%2)")
                               .arg(QDir::toNativeSeparators(folder), words)
                         : words;
        }
    }
    ~TemporaryPage() {
        if (handle_ >= 0)
            ::close(handle_);
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }
    TemporaryPage(const TemporaryPage&) = delete;
    TemporaryPage& operator=(const TemporaryPage&) = delete;

    int handle() const { return handle_; }
    const QString& error() const { return error_; }

    // On disk; the reason where it could not be.
    QString sync() {
        if (::fdatasync(handle_) != 0 || ::close(std::exchange(handle_, -1)) != 0)
            return lastError();
        return {};
    }
    // Renamed over `path`, once on disk; the reason where it could not be.
    QString replace(const QString& path) {
        if (handle_ >= 0)
            if (const QString failure = sync(); !failure.isEmpty())
                return failure;
        if (::rename(name_.constData(), QFile::encodeName(path).constData()) != 0)
            return lastError();
        name_.clear(); // it is the page now
        return {};
    }

private:
    QByteArray name_;
    int handle_ = -1;
    QString error_;
};

} // namespace

namespace {

// Writes every byte to `handle`, a piece at a time, each piece sent on to the disk as soon as
// it is written: the disk then works while the rest is copied, and the sync at the end has
// less left to wait for (bench_page_write). The reason on any shortfall.
QString writeAll(int handle, QByteArrayView bytes) {
    constexpr qsizetype piece = 128 * 1024;
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t wrote =
            ::write(handle, bytes.constData() + at, std::size_t(qMin(piece, bytes.size() - at)));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0 && errno != ENOSPC && errno != EDQUOT)
            return lastError();
        if (wrote <= 0) // nothing more goes in: the page would not be whole
            return PageFileWords::tr("the page could not be written whole; the disk may be full");
        // The file so far, as a page of several pieces is written at its end.
        ::sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE); // a head start only
        at += wrote;
    }
    return {};
}

// A page's bytes written beside it, on their way to the disk but not yet synced; the reason
// where they are not.
QString write(TemporaryPage& temporary, const QString& path,
              const std::vector<QByteArrayView>& pieces) {
    if (temporary.handle() < 0)
        return temporary.error();
    keepModeAndOwner(path, temporary.handle());
    for (const QByteArrayView piece : pieces)
        if (const QString failure = writeAll(temporary.handle(), piece); !failure.isEmpty())
            return failure;
    return {};
}

QString folderInTheWay(const QString& path) {
    return QFileInfo(path).isDir() ? PageFileWords::tr("a folder of that name is in the way")
                                   : QString();
}

} // namespace

QString PageFile::save(const QString& path, const QByteArray& bytes) {
    return save(path, std::vector<QByteArrayView>{bytes});
}

QString PageFile::save(const QString& path, const std::vector<QByteArrayView>& pieces) {
    if (const QString failure = folderInTheWay(path); !failure.isEmpty())
        return failure;
    TemporaryPage temporary(QFileInfo(path).absolutePath());
    if (const QString failure = write(temporary, path, pieces); !failure.isEmpty())
        return failure;
    return temporary.replace(path);
}

PageFile::Saved PageFile::saveAll(const QList<Save>& pages) {
    // The pages of a batch are all written before any is synced, so that the disk takes them
    // together rather than one flush each (bench_site); a batch's files stay well within
    // what a process may hold open.
    constexpr qsizetype batch = 128;
    std::vector<std::unique_ptr<TemporaryPage>> prepared;
    const auto failed = [&](qsizetype page, const QString& failure) {
        // none is replaced; the copies go with `prepared`
        return Saved{0,
                     QDir::toNativeSeparators(pages[page].path) + QStringLiteral(": ") + failure};
    };
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const Save& page = pages[i];
        QString failure = folderInTheWay(page.path);
        if (failure.isEmpty()) {
            prepared.push_back(
                std::make_unique<TemporaryPage>(QFileInfo(page.path).absolutePath()));
            failure = write(*prepared.back(), page.path, {page.bytes});
        }
        if (!failure.isEmpty())
            return failed(i, failure);
        if ((i + 1) % batch != 0 && i + 1 != pages.size())
            continue;
        for (qsizetype synced = i - i % batch; synced <= i; ++synced)
            if (const QString why = prepared[std::size_t(synced)]->sync(); !why.isEmpty())
                return failed(synced, why);
    }
    Saved saved;
    for (; saved.replaced < pages.size(); ++saved.replaced) {
        const QString& path = pages[saved.replaced].path;
        if (const QString failure = prepared[std::size_t(saved.replaced)]->replace(path);
            !failure.isEmpty()) {
            saved.error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + failure;
            break;
        }
    }
    return saved;
}

PageFile::Loaded PageFile::load(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, PageFileWords::tr("the file does not exist")};
    if (info.isDir())
        return {{}, PageFileWords::tr("it is a folder")};
    if (!info.isFile()) // a pipe or a device would block the wizard or never end
        return {{}, PageFileWords::tr("it is not a regular file")};
    if (info.size() > maxBytes)
        return {{},
                PageFileWords::tr("at %1 bytes it is larger than any menu page").arg(info.size())};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    // Room for what it holds and a byte more, which says it grew since; only then the rest.
    QByteArray bytes = file.read(info.size() + 1);
    if (bytes.size() > info.size())
        bytes += file.read(maxBytes + 1 - bytes.size());
    if (bytes.size() > maxBytes) // it grew while being read
        return {{}, PageFileWords::tr("it is larger than any menu page")};
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {std::move(bytes), {}};
}
