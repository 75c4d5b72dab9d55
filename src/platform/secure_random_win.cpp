#include "secure_random.h"
#include "system_platform.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>

namespace {

class WindowsSecureRandom final : public SecureRandom {
public:
    RandomBytes read(qsizetype count) override
    {
        QByteArray bytes(count, Qt::Uninitialized);
        // One call takes at most a ULONG's worth of bytes.
        constexpr qsizetype kMaxPerCall = 1 << 30;
        for (qsizetype filled = 0; filled < count;) {
            const qsizetype part = std::min(count - filled, kMaxPerCall);
            const NTSTATUS status = BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(bytes.data() + filled),
                static_cast<ULONG>(part), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
            if (!BCRYPT_SUCCESS(status))
                return { {},
                    QStringLiteral("BCryptGenRandom failed with status 0x%1")
                        .arg(static_cast<quint32>(status), 8, 16, QLatin1Char('0')) };
            filled += part;
        }
        return { bytes, {} };
    }
};

} // namespace

std::unique_ptr<SecureRandom> createSystemSecureRandom()
{
    return std::make_unique<WindowsSecureRandom>();
}
