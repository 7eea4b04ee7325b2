#include "fuzz-check.h"

#include "frame.h"
#include "json-message.h"
#include "sim-options.h"
#include "sim-reply.h"
#include "simulated-service.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// The simulator's request handling on any stream: the input is cut at each
// end marker into requests, which one fresh service answers in turn, so that
// a run can configure, register and ask again. Every answer is one JSON
// object that frames cleanly, says whether it succeeded, gives a reason when
// it did not, names the action it answers, and never hands back a password.
namespace {

bool isUtf8(const std::string &text)
{
    return QString::fromStdString(text).toStdString() == text;
}

void checkReply(const QByteArray &request, const QByteArray &payload)
{
    FUZZ_CHECK(Frame::findEndMarker(payload.constData(), std::size_t(payload.size())) < 0);
    const std::vector<char> bytes(payload.begin(), payload.end());
    Json::Value reply;
    FUZZ_CHECK(JsonMessage::parseReply(bytes, reply) == cmNoError);
    FUZZ_CHECK(reply["success"].isBool());
    const Json::Value &data = reply["data"];
    FUZZ_CHECK(data.isNull() || data.isObject());
    if (!reply["success"].asBool())
        FUZZ_CHECK(data.isObject() && data["reason"].isString());
    else if (data.isObject())
        FUZZ_CHECK(!data.isMember("password"));

    // JsonCpp writes text that is not UTF-8 with replacement characters; the
    // agent's requests are always UTF-8, as Qt makes them.
    Json::Value asked;
    if (JsonMessage::parse(request.constData(), request.constData() + request.size(), asked) && asked.isObject()
        && asked["action"].isString() && isUtf8(asked["action"].asString()))
        FUZZ_CHECK(reply["action"] == asked["action"]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    SimulatedService service("KEY", -1);
    const SimOptions options;
    const char *rest = reinterpret_cast<const char *>(data);
    std::size_t left = size;
    for (;;) {
        const std::ptrdiff_t end = Frame::findEndMarker(rest, left);
        if (end < 0)
            return 0;
        const QByteArray request(rest, int(end));
        checkReply(request, simReply(service, options, request));
        rest += end + std::ptrdiff_t(Frame::kMarkerSize);
        left -= std::size_t(end) + Frame::kMarkerSize;
    }
}
