#pragma once
// The key of an encrypted file, derived from the password and the file's salt (its first 16
// bytes) as the file format prescribes: PBKDF2 with HMAC-SHA1. Internal to the store.

#include <QByteArray>

namespace dao {

// The format's numbers: rounds and key length in bytes.
constexpr int kKeyRounds = 64000;
constexpr int kKeyLength = 32;

// PBKDF2-HMAC-SHA1. The hash states of the password are made once and copied for each round;
// the engine's own derivation makes and frees them every round and takes about twice as long.
QByteArray DeriveKey(const QByteArray& password, const QByteArray& salt, int rounds = kKeyRounds,
                     int length = kKeyLength);

} // namespace dao
