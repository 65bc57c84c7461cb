// Replays a fuzz target on every file of the folders (or the files) named on the
// command line, without libFuzzer: the corpus, and every input that once failed,
// runs in each ordinary and sanitizer test run.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int replay(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    // An exact heap block, as the fuzzer gives it.
    auto *data = static_cast<uint8_t *>(std::malloc(size_t(bytes.size())));
    if (!bytes.isEmpty())
        std::memcpy(data, bytes.constData(), size_t(bytes.size()));
    LLVMFuzzerTestOneInput(data, size_t(bytes.size()));
    std::free(data);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    int inputs = 0;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QStringList files;
        if (QFileInfo(path).isDir()) {
            const QDir dir(path);
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
                files << dir.filePath(name);
        } else {
            files << path;
        }
        for (const QString &file : files) {
            failures += replay(file);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return failures == 0 && inputs > 0 ? 0 : 1;
}
