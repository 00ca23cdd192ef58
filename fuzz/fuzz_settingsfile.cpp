// Any bytes as the settings file, read under German and English regional settings.
#include "FuzzCheck.h"
#include "app/SettingsFile.h"
#include "base/Regional.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Hands the file out a few bytes per read, so that line ends fall on every read boundary.
class TrickleDevice : public QIODevice {
public:
    explicit TrickleDevice(const QByteArray& content)
        : m_content(content)
    {
    }
    qint64 size() const override { return m_content.size(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, qint64(7), m_content.size() - m_offset});
        std::memcpy(data, m_content.constData() + m_offset, size_t(count));
        m_offset += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_content;
    qint64 m_offset = 0;
};

QList<int> readAll(const QByteArray& content, const base::Regional& regional)
{
    QByteArray copy = content;
    QBuffer buffer(&copy);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
    const QList<int> positions = settings::readLanguagePositions(buffer, regional);

    TrickleDevice trickle(content);
    FUZZ_CHECK(trickle.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    FUZZ_CHECK(settings::readLanguagePositions(trickle, regional) == positions);

    for (const int position : positions)
        FUZZ_CHECK(position >= 0 && position <= 4);
    return positions;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const base::Regional germanSettings = base::Regional::german();
    static const base::Regional englishSettings = base::Regional::english();
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<int> german = readAll(content, germanSettings);
    const QList<int> english = readAll(content, englishSettings);
    // Without a decimal separator of either kind the regional settings cannot matter.
    if (!content.contains('.') && !content.contains(','))
        FUZZ_CHECK(german == english);
    return 0;
}
