#!/usr/bin/env python3
"""Makes the ten RPC test credential sets of the conf generator, once.

Each set is a user name, a password (URL-safe base64 of 32 random bytes) and an
rpcauth line made by the node's published rpcauth scheme: a salt of 16 random
bytes written as 32 lower-case hex digits, and the HMAC-SHA256 of the password
keyed with the salt text, written as 64 lower-case hex digits.

The sets are fixed test credentials shared by every copy of the program, so the
output is committed and this script is not part of the build. Run it only to
replace all ten sets:

    tools/make_rpc_test_credentials.py > src/conf_generator/rpc_test_credentials_table.cpp
"""

import base64
import hashlib
import hmac
import secrets

USERS = [
    "CRYPTO_MOONSHOT",
    "BULLS_GO_LONG",
    "BEARS_GO_SHORT",
    "GENESIS_BLOCK_01",
    "BITCOIN_IS_KING",
    "BITCONNECT_LIVES_ON",
    "CRYPTO_TO_INFINITY",
    "CRYPTO_ALWAYS",
    "IM_ALL_IN",
    "HODL_HODL_HODL",
]


def make_set(user):
    password = base64.urlsafe_b64encode(secrets.token_bytes(32)).decode("ascii")
    salt = secrets.token_hex(16)
    digest = hmac.new(salt.encode("ascii"), password.encode("ascii"), hashlib.sha256).hexdigest()
    return user, password, f"{user}:{salt}${digest}"


def main():
    print("// Generated once by tools/make_rpc_test_credentials.py; do not edit by hand.")
    print('#include "rpc_test_credentials.h"')
    print()
    print("const std::array<RpcCredentials, kRpcTestPresetCount> kRpcTestPresets { {")
    for user, password, auth in map(make_set, USERS):
        print(f'    {{ u"{user}", u"{password}",')
        print(f'        u"{auth}" }},')
    print("} };")


if __name__ == "__main__":
    main()
