#include "sim-reply.h"

#include "json-message.h"
#include "sim-output.h"
#include "simulated-service.h"

QByteArray simReply(SimulatedService &service, const SimOptions &options, const QByteArray &request)
{
    // Text that does not parse stays a null request, which the service refuses.
    Json::Value parsed;
    JsonMessage::parse(request.constData(), request.constData() + request.size(), parsed);
    // The password travels in one request: only the action is ever printed.
    const Json::Value action = parsed.isObject() ? parsed.get("action", "") : Json::Value("");
    say(QStringLiteral("request: %1").arg(QString::fromStdString(action.isString() ? action.asString() : "?")));

    Json::Value reply = service.handle(parsed);
    if (options.has(Fault::NotJson))
        return QByteArrayLiteral("this reply is not JSON");
    if (options.has(Fault::EmptyReason)) {
        reply["success"] = false;
        reply["data"] = Json::Value(Json::objectValue);
        reply["data"]["reason"] = "";
    }
    return QByteArray::fromStdString(JsonMessage::write(reply));
}
