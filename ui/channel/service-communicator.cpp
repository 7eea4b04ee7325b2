#include "service-communicator.h"

#include "connection.h"
#include "file-logger.h"
#include "json-message.h"
#include "platform-paths.h"

#include <cerrno>

ServiceCommunicator::ServiceCommunicator(QObject *parent) : QObject(parent)
{
    connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryService, this,
            &ServiceCommunicator::slotQueryService);
    connect(this, &ServiceCommunicator::sigQueryServiceDone, GlobalConnecter::getInstance(),
            &GlobalConnecter::sigQueryServiceDone);
    connect(this, &ServiceCommunicator::sigQueryServiceFailed, GlobalConnecter::getInstance(),
            &GlobalConnecter::sigQueryServiceFailed);
    connect(this, &ServiceCommunicator::sigQueryServiceUnavailable, GlobalConnecter::getInstance(),
            &GlobalConnecter::sigQueryServiceUnavailable);
}

void ServiceCommunicator::setMaxWaits(int waits)
{
    pipe.setMaxWaits(waits);
}

void ServiceCommunicator::slotQueryService(const QObject *sender, Json::Value request)
{
    Json::Value response;
    const cmError code = queryService(request, response);

    // Requests are built by the agent, but a malformed one must not throw here.
    const Json::Value action = request.isObject() ? request.get("action", "") : Json::Value();
    response["action"] = action.isConvertibleTo(Json::stringValue) ? action.asString() : std::string();

    if (code == cmUnavailable)
        emit sigQueryServiceUnavailable(sender);
    else if (code != cmNoError)
        emit sigQueryServiceFailed(code);
    else
        emit sigQueryServiceDone(sender, response);
}

cmError ServiceCommunicator::queryService(const Json::Value &request, Json::Value &response)
{
    const std::string payload = JsonMessage::write(request);

    if (!pipe.isOpen()) {
        const cmError opened = pipe.open(PlatformPaths::serviceEndpoint());
        if (opened != cmNoError) {
            LOG_ERROR("Invalid handle");
            LOG_ERROR("connected failed");
            return opened;
        }
    }

    std::vector<char> bytes(payload.begin(), payload.end());
    const int sent = pipe.connection().send(bytes);
    if (sent != static_cast<int>(payload.size())) {
        const int error = errno;
        LOG_ERROR("send data length not match, rc = %d, vs.length() = %d", sent, static_cast<int>(payload.size()));
        LOG_ERROR("protocol failed %d", error);
        pipe.close();
        return cmUnavailable;
    }

    bytes.clear();
    const int received = pipe.connection().recv(bytes);
    if (received <= 0) {
        LOG_ERROR("recv failed or channel closed (%d)", received);
        pipe.close();
        return cmUnavailable;
    }

    return JsonMessage::parseReply(bytes, response);
}
