// Generated once by tools/make_rpc_test_credentials.py; do not edit by hand.
#include "rpc_test_credentials.h"

const std::array<RpcCredentials, kRpcTestPresetCount> kRpcTestPresets { {
    { u"CRYPTO_MOONSHOT", u"NJqJu_qUiVCt2iW5K1WA6Nij_759av3DdrHpDdwI_XY=",
        u"CRYPTO_MOONSHOT:08094407687d320f8bf1259a7380048a$"
        u"a5c682b82476c88fc56a1f3d8608e48feff67d0843eb9b28c19462ca803dc1a6" },
    { u"BULLS_GO_LONG", u"S586hao60LnCw_O4BlxRbosSLkiF7Fi36-oTrE1VN-k=",
        u"BULLS_GO_LONG:64522ea10fb8604c2b650040bd65e9ca$"
        u"b017241c849a9aa01ff65ce33fdf9cbe9d3f03f0cc1a3eb4d545354485618b35" },
    { u"BEARS_GO_SHORT", u"hUT3s5HZ2dgpeSgqK0FaUDkPhapLzJ2XYDa5ii3gQcc=",
        u"BEARS_GO_SHORT:bd6fab0a0f7ec7f32651b848a57fa015$"
        u"e95532a01eeff2934fb7d9bd4ef6a561730a9c51d5ea312e404f4c45ca510964" },
    { u"GENESIS_BLOCK_01", u"FnWGCBjqUTpa_6hreI_cOgzYg1mQdmM-Jpk28kYyJR4=",
        u"GENESIS_BLOCK_01:a1e30bb62a316aa059d4b4960c9f647b$"
        u"a547101a6b7670a8218d039217fd9b19418f1a5033fec7aeb033d9093d55a8dd" },
    { u"BITCOIN_IS_KING", u"U4GA7IKA7FR3IJmUZ8RB6L1-3lUxUTSlCPd0ZT_Ai6g=",
        u"BITCOIN_IS_KING:bfec2f632a376f56c4f9f42f63ffa52b$"
        u"97dbf683cf388c839486b15ce6c232a018970f87fb252594a745bda1919b29b8" },
    { u"BITCONNECT_LIVES_ON", u"4eGV96blleQkULb7kCug3bh7DQEoWatU34IcnX6YpCU=",
        u"BITCONNECT_LIVES_ON:fb270c843ac2b6f14e1a6156d46892d1$"
        u"a3cf01e79f5a3e517f2953571be7ad053985beae3a1cadf54d555946246e7409" },
    { u"CRYPTO_TO_INFINITY", u"2fV6pssmFYM31qtVY6Li2u7ScWkL-6bdznBqm8fAoDY=",
        u"CRYPTO_TO_INFINITY:aae6c99c68fa1d7f319f293299d43bdc$"
        u"da8ea5d3fec33e8bae057596836b091470666fad15e66c417d0bf32e1a453542" },
    { u"CRYPTO_ALWAYS", u"6Q50k8UxvNTEv4QWPxCN9xAwsdSxmZWv4Iue1UJ1xZM=",
        u"CRYPTO_ALWAYS:e3f916ff86b37e4eb0f97161964c17a2$"
        u"aa3860b7c4159423cb4bd276291dbccf4242e8fee2ef55c816e75e234af9561b" },
    { u"IM_ALL_IN", u"eBQQxil7ngOa2ILSUskrAziTU1ZPRiC0HMqhEsho3kQ=",
        u"IM_ALL_IN:06f9dfeb2d1394a47ad19cc7dced99f8$"
        u"da4791b4ebc78b048a8e17d338c3cf25c5223b227fac3711fe86979d32848398" },
    { u"HODL_HODL_HODL", u"cO8Ng5g9BGe7mcs2A25rzt_GilYSdHlywzQ9ooxo5OU=",
        u"HODL_HODL_HODL:00aafba993381d547289db09147284b4$"
        u"4ff38b438047c0263d54b2e7958092905fed88711f4268920ef9556846fe96db" },
} };
