#include "service-session.h"

#include "ctl-output.h"
#include "exit-codes.h"
#include "frame.h"
#include "platform-paths.h"
#include "service-communicator.h"

ServiceSession::ServiceSession(int replyTimeoutSeconds)
    : communicator(new ServiceCommunicator(this))
    , replyTimeoutSeconds(replyTimeoutSeconds)
{
    communicator->setMaxWaits(replyTimeoutSeconds * 1000 / Frame::kWaitMs);
}

ServiceSession::~ServiceSession() = default;

ServiceSession::Answer ServiceSession::ask(const Json::Value &request)
{
    Answer answer;
    // Everything is on this thread, so the exchange has ended, and exactly
    // one of these has run, when the call returns.
    const QMetaObject::Connection done = connect(communicator, &ServiceCommunicator::sigQueryServiceDone,
                                                 [&answer](const QObject *, Json::Value reply) {
                                                     answer.code = cmNoError;
                                                     answer.reply = std::move(reply);
                                                 });
    const QMetaObject::Connection failed = connect(communicator, &ServiceCommunicator::sigQueryServiceFailed,
                                                   [&answer](cmError code) { answer.code = code; });
    communicator->slotQueryService(this, request);
    disconnect(done);
    disconnect(failed);
    return answer;
}

int ServiceSession::failure(cmError code) const
{
    const QString endpoint = PlatformPaths::serviceEndpoint();
    switch (code) {
    case cmAccessDenied:
        CtlOutput::error(QStringLiteral("access to the service at %1 was denied: run as a user that may use it").arg(endpoint));
        return ExitCode::AccessDenied;
    case cmParseFailed:
        CtlOutput::error(QStringLiteral("the service at %1 sent a reply that could not be understood").arg(endpoint));
        return ExitCode::NotUnderstood;
    default:
        CtlOutput::error(QStringLiteral("the service at %1 is unavailable or did not answer within %2 s")
                             .arg(endpoint)
                             .arg(replyTimeoutSeconds));
        return ExitCode::Unavailable;
    }
}
