// Our Blowfish and SHA-1 against OpenSSL's on the same data, so the ratio of
// throughputs within one run shows whether ours keeps up.
#include <benchmark/benchmark.h>
#include <openssl/blowfish.h>
#include <openssl/sha.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "store/blowfish.h"
#include "store/sha1.h"
#include "store/sha1_blocks.h"

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;
const unsigned char kKey[16] = {'c', 'o', 'r', 'r', 'e', 'c', 't',  ' ',
                                'h', 'o', 'r', 's', 'e', '!', 0x00, 0xFF};

std::vector<unsigned char> MakeBuffer() {
    std::vector<unsigned char> buffer(kBufferSize);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = static_cast<unsigned char>(i * 131 + 7);
    }
    return buffer;
}

void SetThroughput(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(kBufferSize));
}

void BM_BlowfishEncrypt_Quillox(benchmark::State& state) {
    const quillox::BlowfishCipher cipher(kKey, sizeof kKey, quillox::StartTables::Standard);
    std::vector<unsigned char> buffer = MakeBuffer();
    for (auto _ : state) {
        cipher.EncryptBlocks(buffer.data(), buffer.size() / 8);
        benchmark::ClobberMemory();
    }
    SetThroughput(state);
}

// Same little-endian block layout as ours, so both sides do the same work.
void OpenSslEncryptBlocks(const BF_KEY& key, unsigned char* buffer, std::size_t blockCount) {
    for (std::size_t i = 0; i < blockCount; ++i, buffer += 8) {
        BF_LONG data[2];
        for (int half = 0; half < 2; ++half) {
            const unsigned char* b = buffer + 4 * half;
            data[half] = static_cast<BF_LONG>(b[0]) | static_cast<BF_LONG>(b[1]) << 8 |
                         static_cast<BF_LONG>(b[2]) << 16 | static_cast<BF_LONG>(b[3]) << 24;
        }
        BF_encrypt(data, &key);
        for (int half = 0; half < 2; ++half) {
            for (int j = 0; j < 4; ++j) {
                buffer[4 * half + j] = static_cast<unsigned char>(data[half] >> (8 * j));
            }
        }
    }
}

void BM_BlowfishEncrypt_OpenSSL(benchmark::State& state) {
    BF_KEY key;
    BF_set_key(&key, sizeof kKey, kKey);
    std::vector<unsigned char> buffer = MakeBuffer();

    // A comparison is only fair if both sides compute the same cipher.
    std::vector<unsigned char> ours = buffer;
    const quillox::BlowfishCipher cipher(kKey, sizeof kKey, quillox::StartTables::Standard);
    cipher.EncryptBlocks(ours.data(), ours.size() / 8);
    OpenSslEncryptBlocks(key, buffer.data(), buffer.size() / 8);
    if (ours != buffer) {
        state.SkipWithError("ciphertexts differ from OpenSSL's");
        return;
    }

    for (auto _ : state) {
        OpenSslEncryptBlocks(key, buffer.data(), buffer.size() / 8);
        benchmark::ClobberMemory();
    }
    SetThroughput(state);
}

void BM_BlowfishKeySchedule_Quillox(benchmark::State& state) {
    for (auto _ : state) {
        const quillox::BlowfishCipher cipher(kKey, sizeof kKey, quillox::StartTables::Standard);
        benchmark::DoNotOptimize(&cipher);
    }
}

void BM_BlowfishKeySchedule_OpenSSL(benchmark::State& state) {
    BF_KEY key;
    for (auto _ : state) {
        BF_set_key(&key, sizeof kKey, kKey);
        benchmark::DoNotOptimize(&key);
    }
}

// Whichever path this processor gets, as callers see it.
void BM_Sha1_Quillox(benchmark::State& state) {
    const std::vector<unsigned char> buffer = MakeBuffer();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quillox::Sha1Digest::Of(buffer.data(), buffer.size()));
    }
    SetThroughput(state);
}

// The path for processors without the SHA extensions; compare it with
// OpenSSL run under OPENSSL_ia32cap=':~0x20000000', which masks them.
void BM_Sha1_QuilloxPortable(benchmark::State& state) {
    const std::vector<unsigned char> buffer = MakeBuffer();
    for (auto _ : state) {
        quillox::Sha1DigestOnPath digest(quillox::Sha1Path::Portable);
        digest.Update(buffer.data(), buffer.size());
        benchmark::DoNotOptimize(digest.Finish());
    }
    SetThroughput(state);
}

void BM_Sha1_OpenSSL(benchmark::State& state) {
    const std::vector<unsigned char> buffer = MakeBuffer();
    unsigned char digest[SHA_DIGEST_LENGTH];

    // A comparison is only fair if both sides compute the same digest.
    SHA1(buffer.data(), buffer.size(), digest);
    const quillox::Sha1Value ours = quillox::Sha1Digest::Of(buffer.data(), buffer.size());
    if (!std::equal(ours.begin(), ours.end(), digest)) {
        state.SkipWithError("digests differ from OpenSSL's");
        return;
    }

    for (auto _ : state) {
        SHA1(buffer.data(), buffer.size(), digest);
        benchmark::DoNotOptimize(digest);
    }
    SetThroughput(state);
}

}  // namespace

BENCHMARK(BM_BlowfishEncrypt_Quillox);
BENCHMARK(BM_BlowfishEncrypt_OpenSSL);
BENCHMARK(BM_BlowfishKeySchedule_Quillox);
BENCHMARK(BM_BlowfishKeySchedule_OpenSSL);
BENCHMARK(BM_Sha1_Quillox);
BENCHMARK(BM_Sha1_QuilloxPortable);
BENCHMARK(BM_Sha1_OpenSSL);

BENCHMARK_MAIN();
