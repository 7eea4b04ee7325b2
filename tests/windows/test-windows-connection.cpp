// The named-pipe transport against a real pipe: the test is the service's end,
// the agent's end is opened by the agent's own pipe opening.
#include "check.h"
#include "pipe-server.h"
#include "test-files.h"

#include "windows-connection.h"
#include "windows-pipe.h"

#include <thread>

namespace {

const std::string kMarker = "^^2552*1814^^";

std::vector<char> bytes(const std::string &text)
{
    return std::vector<char>(text.begin(), text.end());
}

std::string text(const std::vector<char> &bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// The agent's end of a fresh pipe, with a short wait budget so that a silent
// service costs a few waits, not 18 seconds.
struct Pair
{
    PipeServer service;
    HANDLE agentEnd = INVALID_HANDLE_VALUE;
    WindowsConnection connection;
    bool connected = false;

    Pair()
    {
        connected = service.created() && openWindowsPipe(service.name(), agentEnd) == cmNoError && service.accept();
        connection.setHandle(agentEnd);
        connection.setMaxWaits(3);
    }
    ~Pair()
    {
        if (agentEnd != INVALID_HANDLE_VALUE)
            CloseHandle(agentEnd);
    }
};

void sendWritesPayloadAndMarker()
{
    struct Row
    {
        const char *name;
        std::string payload;
    };
    const Row rows[] = {
        {"empty payload is the marker alone", ""},
        {"status request", "{\"action\":\"get_connection_status\"}\n"},
        // More than the pipe buffers: the write stays pending until the service reads.
        {"larger than the pipe's buffer", std::string(1 << 20, 'p')},
    };
    for (const Row &row : rows) {
        const Check::Row named(row.name);
        Pair pair;
        CHECK(pair.connected);
        pair.connection.setMaxWaits(Frame::kDefaultMaxWaits);
        std::string seen;
        std::thread reader([&] { seen = pair.service.readExactly(row.payload.size() + kMarker.size()); });
        const int result = pair.connection.send(bytes(row.payload));
        if (result < 0) {
            // The reader then waits for bytes that never come, until this end goes.
            CloseHandle(pair.agentEnd);
            pair.agentEnd = INVALID_HANDLE_VALUE;
        }
        reader.join();
        CHECK_EQUAL(result, int(row.payload.size()));
        CHECK(seen == row.payload + kMarker);
    }
}

void sendToAServiceThatHasGoneFails()
{
    const LogCapture log;
    Pair pair;
    CHECK(pair.connected);
    pair.service.close();
    CHECK_EQUAL(pair.connection.send(bytes("{}")), -1);
    CHECK_EQUAL(log.count("] WriteFile "), 1);
}

// Everything the service sends is written before recv starts: where it is cut
// into reads of 1023 bytes is then fixed, not a matter of timing.
void recvReturnsThePayloadBeforeTheFirstMarker()
{
    struct Row
    {
        std::string name;
        std::string stream;
        int result;
        std::string message;
    };
    const std::string reply = "{\"success\":true}\n";
    std::vector<Row> rows = {
        {"marker only", kMarker, 0, ""},
        {"one small reply", reply + kMarker, int(reply.size()), reply},
    };
    for (int length : {1010, 1011, 1020, 1022, 1023}) {
        const std::string payload(std::size_t(length), 'x');
        rows.push_back({"marker ends at byte " + std::to_string(length + 13), payload + kMarker, length, payload});
    }
    const std::string large(5000, 'L');
    rows.push_back({"reply of several chunks", large + kMarker, int(large.size()), large});
    const std::string falseStart = std::string(1015, 'f') + "^^2552*1" + "9";
    rows.push_back({"part of a marker at a chunk end, the real one after", falseStart + kMarker,
                    int(falseStart.size()), falseStart});
    rows.push_back({"bytes after the marker are dropped", reply + kMarker + "{\"next\":1}" + kMarker,
                    int(reply.size()), reply});
    for (const Row &row : rows) {
        const Check::Row named(row.name);
        Pair pair;
        CHECK(pair.connected);
        CHECK(pair.service.writeAll(row.stream));
        std::vector<char> received;
        CHECK_EQUAL(pair.connection.recv(received), row.result);
        CHECK_EQUAL(text(received), row.message);
    }
}

// A read takes at most 1023 bytes, so a message that starts right after the
// first read stays whole in the pipe for the next call.
void messageAfterAFullChunkIsLeftForTheNextCall()
{
    Pair pair;
    CHECK(pair.connected);
    const std::string first(1023 - kMarker.size(), 'a');
    const std::string second = "{\"next\":true}";
    CHECK(pair.service.writeAll(first + kMarker + second + kMarker));
    std::vector<char> received;
    CHECK_EQUAL(pair.connection.recv(received), int(first.size()));
    received.clear();
    CHECK_EQUAL(pair.connection.recv(received), int(second.size()));
    CHECK_EQUAL(text(received), second);
}

void serviceClosingBeforeTheMarkerFails()
{
    const LogCapture log;
    Pair pair;
    CHECK(pair.connected);
    CHECK(pair.service.writeAll("{\"success\":tr"));
    pair.service.close();
    std::vector<char> received;
    CHECK_EQUAL(pair.connection.recv(received), -1);
    CHECK_EQUAL(log.count("] ReadFile " + std::to_string(ERROR_BROKEN_PIPE)), 1);
}

// The read that timed out is cancelled and waited for before recv returns:
// what the service sends afterwards reaches the next call whole, not a buffer
// that is gone.
void silentServiceIsGivenUpAfterTheWaitBudget()
{
    const LogCapture log;
    Pair pair;
    CHECK(pair.connected);
    CHECK(pair.service.writeAll("{\"partial\""));
    std::vector<char> received;
    CHECK_EQUAL(pair.connection.recv(received), -1);
    CHECK_EQUAL(log.count("] cancel due to timeout 1 "), 1);
    CHECK_EQUAL(log.count("\n"), 1);

    const std::string late = "{\"late\":true}";
    CHECK(pair.service.writeAll(late + kMarker));
    received.clear();
    CHECK_EQUAL(pair.connection.recv(received), int(late.size()));
    CHECK_EQUAL(text(received), late);
}

void twoExchangesOnOneHandle()
{
    Pair pair;
    CHECK(pair.connected);
    for (const std::string request : {"{\"action\":\"get_connection_status\"}", "{\"action\":\"get_ldap_info\"}"}) {
        const Check::Row named(request);
        const std::string reply = "{\"answer\":" + request + "}";
        CHECK_EQUAL(pair.connection.send(bytes(request)), int(request.size()));
        CHECK(pair.service.readExactly(request.size() + kMarker.size()) == request + kMarker);
        CHECK(pair.service.writeAll(reply + kMarker));
        std::vector<char> received;
        CHECK_EQUAL(pair.connection.recv(received), int(reply.size()));
        CHECK_EQUAL(text(received), reply);
    }
}

} // namespace

int main()
{
    return Check::runCases({
        {"sendWritesPayloadAndMarker", sendWritesPayloadAndMarker},
        {"sendToAServiceThatHasGoneFails", sendToAServiceThatHasGoneFails},
        {"recvReturnsThePayloadBeforeTheFirstMarker", recvReturnsThePayloadBeforeTheFirstMarker},
        {"messageAfterAFullChunkIsLeftForTheNextCall", messageAfterAFullChunkIsLeftForTheNextCall},
        {"serviceClosingBeforeTheMarkerFails", serviceClosingBeforeTheMarkerFails},
        {"silentServiceIsGivenUpAfterTheWaitBudget", silentServiceIsGivenUpAfterTheWaitBudget},
        {"twoExchangesOnOneHandle", twoExchangesOnOneHandle},
    });
}
