#include "common/process/WindowProtocol.h"
#include "common/process/UniqueFd.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

namespace {

using process::WindowReply;
using process::WindowRequest;
using process::WindowRequestKind;

class WindowProtocolTest : public ::testing::Test {
protected:
    void SetUp() override {
        int pair[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair), 0);
        client_.Reset(pair[0]);
        server_.Reset(pair[1]);
    }
    void Send(const std::string& bytes) { ASSERT_TRUE(process::WriteAll(client_.Get(), bytes, 1000)); }

    process::UniqueFd client_;
    process::UniqueFd server_;
};

TEST_F(WindowProtocolTest, TextsOfAnyBytesTravelWholeBothWays) {
    std::string text("a b\n\0\xE9\x56 \"@\" \xff", 13);
    text += std::string(process::kMaxWindowText - text.size(), 'x');
    Send(process::EncodeRequest({WindowRequestKind::SetText, 233, text}));
    WindowRequest request;
    ASSERT_TRUE(process::ReadRequest(server_.Get(), request, 1000));
    EXPECT_EQ(request.kind, WindowRequestKind::SetText);
    EXPECT_EQ(request.controlId, 233);
    EXPECT_EQ(request.text, text);

    ASSERT_TRUE(process::WriteAll(server_.Get(), process::EncodeReply({true, text}), 1000));
    WindowReply reply;
    ASSERT_TRUE(process::ReadReply(client_.Get(), reply, 1000));
    EXPECT_TRUE(reply.accepted);
    EXPECT_EQ(reply.text, text);
}

TEST_F(WindowProtocolTest, ARefusalCarriesNoText) {
    ASSERT_TRUE(process::WriteAll(server_.Get(), process::EncodeReply({false, "ignored"}), 1000));
    WindowReply reply{true, "old"};
    ASSERT_TRUE(process::ReadReply(client_.Get(), reply, 1000));
    EXPECT_FALSE(reply.accepted);
    EXPECT_EQ(reply.text, "");
}

TEST_F(WindowProtocolTest, MalformedOrOversizedRequestsAreRefused) {
    for (const std::string& bad :
         {std::string("VRW2 G 1 0\n"), std::string("VRW1 X 1 0\n"), std::string("VRW1 G one 0\n"),
          std::string("VRW1 G 1 -1\n"), "VRW1 S 1 " + std::to_string(process::kMaxWindowText + 1) + "\n",
          std::string(200, 'V')}) {
        SetUp();
        Send(bad);
        WindowRequest request;
        EXPECT_FALSE(process::ReadRequest(server_.Get(), request, 200)) << bad.substr(0, 40);
    }
}

TEST_F(WindowProtocolTest, AShortPayloadOrAClosedPeerEndsTheWaitInTime) {
    Send("VRW1 S 231 10\nabc");
    WindowRequest request;
    EXPECT_FALSE(process::ReadRequest(server_.Get(), request, 100));
    client_.Reset();
    WindowReply reply;
    EXPECT_FALSE(process::ReadReply(server_.Get(), reply, 5000));
}

} // namespace
