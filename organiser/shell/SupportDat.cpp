#include "SupportDat.h"

#include "Clock.h"
#include "StoreErrors.h"
#include "Supporto.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {

// A linear congruential generator: only the existence and stability of the bytes matter,
// not their quality.
class TGeneratore
{
public:
    explicit TGeneratore(std::uint32_t seed) : m_seed(seed) {}
    // 0 .. range - 1
    std::uint32_t random(std::uint32_t range)
    {
        m_seed = m_seed * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(m_seed) * range) >> 32);
    }

private:
    std::uint32_t m_seed;
};

} // namespace

QString percorsoSupportDat()
{
    return percorsoProgramma(QStringLiteral("Support.dat"));
}

QByteArray contenutoSupportDat(std::uint32_t seed)
{
    TGeneratore generatore(seed);
    const std::uint32_t n = 1024 + generatore.random(512);
    QByteArray bytes(qsizetype(n) * 4, '\0');
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t valore = 50 + generatore.random(23654);
        qToLittleEndian(valore, bytes.data() + i * 4);
    }
    return bytes;
}

void CreaSupportDat()
{
    const QString path = percorsoSupportDat();
    if (QFileInfo::exists(path))
        return;
    const auto seed = std::uint32_t(platform::now().toSecsSinceEpoch());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EFileError(QStringLiteral("Cannot create file %1").arg(path));
    const QByteArray bytes = contenutoSupportDat(seed);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw EFileError(QStringLiteral("Cannot create file %1").arg(path));
}
