#include "dao/KeyDerivation.h"

// The plain hash functions are marked as old in OpenSSL 3; they are the fast way here.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/crypto.h>
#include <openssl/sha.h>

#include <array>
#include <cstring>

namespace dao {

QByteArray DeriveKey(const QByteArray& password, const QByteArray& salt, int rounds, int length) {
    // HMAC: a password longer than a block is hashed first.
    std::array<unsigned char, SHA_CBLOCK> block{};
    if (password.size() > SHA_CBLOCK)
        SHA1(reinterpret_cast<const unsigned char*>(password.constData()),
             static_cast<std::size_t>(password.size()), block.data());
    else
        std::memcpy(block.data(), password.constData(), static_cast<std::size_t>(password.size()));
    std::array<unsigned char, SHA_CBLOCK> pad{};
    SHA_CTX inner, outer;
    for (std::size_t i = 0; i < pad.size(); ++i)
        pad[i] = block[i] ^ 0x36;
    SHA1_Init(&inner);
    SHA1_Update(&inner, pad.data(), pad.size());
    for (std::size_t i = 0; i < pad.size(); ++i)
        pad[i] = block[i] ^ 0x5c;
    SHA1_Init(&outer);
    SHA1_Update(&outer, pad.data(), pad.size());
    OPENSSL_cleanse(block.data(), block.size());
    OPENSSL_cleanse(pad.data(), pad.size());

    const auto hmac = [&inner, &outer](const unsigned char* data, std::size_t size,
                                       unsigned char* out) {
        SHA_CTX ctx = inner;
        SHA1_Update(&ctx, data, size);
        SHA1_Final(out, &ctx);
        ctx = outer;
        SHA1_Update(&ctx, out, SHA_DIGEST_LENGTH);
        SHA1_Final(out, &ctx);
    };
    QByteArray key;
    for (quint32 number = 1; key.size() < length; ++number) {
        QByteArray first = salt;
        for (int shift = 24; shift >= 0; shift -= 8)
            first.append(static_cast<char>((number >> shift) & 0xff));
        std::array<unsigned char, SHA_DIGEST_LENGTH> u{}, t{};
        hmac(reinterpret_cast<const unsigned char*>(first.constData()),
             static_cast<std::size_t>(first.size()), u.data());
        t = u;
        for (int round = 1; round < rounds; ++round) {
            hmac(u.data(), u.size(), u.data());
            for (std::size_t i = 0; i < t.size(); ++i)
                t[i] ^= u[i];
        }
        key.append(reinterpret_cast<const char*>(t.data()), static_cast<qsizetype>(t.size()));
    }
    key.truncate(length);
    return key;
}

} // namespace dao
