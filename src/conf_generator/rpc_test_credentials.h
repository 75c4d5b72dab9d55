#pragma once

#include <QStringView>

#include <array>

// One set of RPC credentials: what a ".conf" file carries after "rpcuser=",
// "rpcpassword=" and "rpcauth=".
struct RpcCredentials {
    QStringView user;
    QStringView password;
    QStringView auth; // "user:salt$hash", the hash being HMAC-SHA256(key = salt, password)
};

inline constexpr int kRpcTestPresetCount = 10;

// The ten fixed test sets, preset n at index n - 1. They are the same in every
// copy of the program and therefore not secret: for test nodes only.
extern const std::array<RpcCredentials, kRpcTestPresetCount> kRpcTestPresets;
