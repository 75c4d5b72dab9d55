#include "secure_random.h"
#include "system_platform.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>

namespace {

class LinuxSecureRandom final : public SecureRandom {
public:
    RandomBytes read(qsizetype count) override
    {
        QByteArray bytes(count, Qt::Uninitialized);
        // A call may be cut short by a signal or by the kernel's limit per call.
        for (qsizetype filled = 0; filled < count;) {
            const ssize_t got = ::getrandom(bytes.data() + filled, static_cast<size_t>(count - filled), 0);
            if (got >= 0)
                filled += got;
            else if (errno != EINTR)
                return { {},
                    QStringLiteral("getrandom: %1").arg(QString::fromLocal8Bit(std::strerror(errno))) };
        }
        return { bytes, {} };
    }
};

} // namespace

std::unique_ptr<SecureRandom> createSystemSecureRandom()
{
    return std::make_unique<LinuxSecureRandom>();
}
