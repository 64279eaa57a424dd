#include "core/settings/StringCipher.h"

#include "core/platform/SdError.h"
#include "core/platform/Windows1252.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>
#include <cstring>
#include <nettle/cast128.h>
#include <nettle/cfb.h>
#include <nettle/sha1.h>

namespace {

// The program key the cipher key is derived from. Every stored password and every
// enciphered line of the update information depends on these six bytes: changing them
// makes all of those unreadable.
constexpr std::array<std::uint8_t, 6> kProgramKey = { 'S', 'e', 'n', 'D', '0', 'r' };

struct CipherState
{
    cast128_ctx cast;
    std::array<std::uint8_t, CAST128_BLOCK_SIZE> initialRegister;
};

const CipherState& cipherState()
{
    static const CipherState state = [] {
        CipherState s {};
        sha1_ctx sha;
        sha1_init(&sha);
        sha1_update(&sha, kProgramKey.size(), kProgramKey.data());
        std::array<std::uint8_t, SHA1_DIGEST_SIZE> digest {};
        sha1_digest(&sha, digest.size(), digest.data());
        cast5_set_key(&s.cast, CAST128_KEY_SIZE, digest.data());

        std::array<std::uint8_t, CAST128_BLOCK_SIZE> ones;
        ones.fill(0xFF);
        cast128_encrypt(&s.cast, CAST128_BLOCK_SIZE, s.initialRegister.data(), ones.data());
        return s;
    }();
    return state;
}

// nettle's mode functions take the block cipher through a generic signature.
void castEncrypt(const void* ctx, std::size_t length, std::uint8_t* dst, const std::uint8_t* src)
{
    cast128_encrypt(static_cast<const cast128_ctx*>(ctx), length, dst, src);
}

QByteArray runCfb8(const QByteArray& input, bool encrypt)
{
    const CipherState& state = cipherState();
    std::array<std::uint8_t, CAST128_BLOCK_SIZE> reg = state.initialRegister;
    QByteArray output(input.size(), Qt::Uninitialized);
    if (input.isEmpty())
        return output;
    auto* dst = reinterpret_cast<std::uint8_t*>(output.data());
    const auto* src = reinterpret_cast<const std::uint8_t*>(input.constData());
    if (encrypt)
        cfb8_encrypt(&state.cast, castEncrypt, CAST128_BLOCK_SIZE, reg.data(), input.size(), dst,
                     src);
    else
        cfb8_decrypt(&state.cast, castEncrypt, CAST128_BLOCK_SIZE, reg.data(), input.size(), dst,
                     src);
    return output;
}

[[noreturn]] void throwFormatError()
{
    throw SdError(QCoreApplication::translate("StringCipher", "Base64: Incorrect string format"));
}

} // namespace

QByteArray EncryptBytes(const QByteArray& plain)
{
    return runCfb8(plain, true).toBase64();
}

QByteArray DecryptBytes(const QByteArray& base64)
{
    if (base64.isEmpty())
        return {};
    if (base64.size() % 4 != 0)
        throwFormatError();
    const auto decoded
        = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throwFormatError();
    return runCfb8(*decoded, false);
}

QString EncryptText(const QString& plain)
{
    bool ok = false;
    const QByteArray bytes = Windows1252::encode(plain, &ok);
    if (!ok) {
        throw SdError(QCoreApplication::translate(
            "StringCipher", "The text holds characters that cannot be enciphered."));
    }
    return QString::fromLatin1(EncryptBytes(bytes));
}

QString DecryptText(const QString& stored)
{
    for (const QChar c : stored) {
        // Base64 is ASCII; anything else must not be folded into it by a conversion.
        if (c.unicode() > 0x7F)
            throwFormatError();
    }
    return Windows1252::decode(DecryptBytes(stored.toLatin1()));
}
