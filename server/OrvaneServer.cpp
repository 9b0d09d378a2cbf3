// orvane-server: a stand-in for the maker's init endpoint, for local runs and tests.
//
// It answers GET /api.init.php with a reply file and logs every request's headers in
// the order they arrived. That order is the reason this speaks HTTP over plain sockets
// instead of through cpp-httplib: cpp-httplib keeps a request's headers in a sorted
// map, so the order a client sent them in is gone before a handler sees them.
//
// With --tls-cert and --tls-key it speaks https instead, through OpenSSL, so the client's
// certificate checks meet a real handshake.
//
// With --hold-replies it keeps every start-up reply back until a test lets it go through
// a control request, so a test can look at a client while its request is in flight
// without betting on a delay being long enough.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#ifndef ORVANE_DEFAULT_REPLY
#define ORVANE_DEFAULT_REPLY "default-reply.json"
#endif

namespace {

constexpr int kDefaultPort = 8431;
constexpr size_t kHeadLimit = 64 * 1024;

constexpr char kUsage[] =
    "usage: orvane-server [options]\n"
    "\n"
    "A stand-in for the maker's init endpoint. GET /api.init.php answers with the reply\n"
    "file; a request with the header User-Command: hold is logged and answered with an\n"
    "empty body. Every other path is 404.\n"
    "\n"
    "  --bind ADDR          address to listen on (default 127.0.0.1)\n"
    "  --port N             port to listen on (default 8431; 0 picks a free one)\n"
    "  --port-file FILE     write the port listened on to FILE once listening\n"
    "  --reply FILE         the reply body, sent as it is stored (default: the built-in\n"
    "                       reply whose \"file_white\" holds the FILE_WHITE rows)\n"
    "  --status N           status code of the reply (default 200)\n"
    "  --content-type TYPE  Content-Type of the reply (default: application/json;\n"
    "                       charset=utf-8 for a JSON file, text/html; charset=utf-8 else)\n"
    "  --no-length          send no Content-Length: the body ends when the connection does\n"
    "  --delay-ms N         wait N milliseconds before answering (default 0)\n"
    "  --hold-replies       keep every start-up reply back until a control request\n"
    "                       releases it; the control requests exist with this option\n"
    "                       alone and are never logged:\n"
    "                         GET /control/waiting   {\"waiting\": N}: the replies held now\n"
    "                         POST /control/release  sends the replies held now (later\n"
    "                                                requests are held again) and says\n"
    "                                                {\"released\": N}\n"
    "                       Without this option /control/ paths are 404 like any other.\n"
    "  --trickle-ms N       send the reply's body one byte every N milliseconds\n"
    "  --hang-holds         log hold requests but never answer them (until stopped)\n"
    "  --redirect URL       answer the start-up request with 302 Found to URL\n"
    "  --redirect-hops N    answer the start-up request with 302 Found to itself on this\n"
    "                       server (/api.init.php?hop=K, K counting up from 1) until it\n"
    "                       has come back N times, then with the reply\n"
    "  --log FILE           append one JSON object per request to FILE: method, path and\n"
    "                       headers as [name, value] pairs in the order received\n"
    "  --help               show this text\n"
    "\n"
    "It prints \"listening on http://ADDR:PORT\" (https:// with TLS) once ready, and stops on\n"
    "SIGINT or SIGTERM.\n";

struct Options {
  std::string bind = "127.0.0.1";
  int port = kDefaultPort;
  std::string portFile;
  std::string replyFile = ORVANE_DEFAULT_REPLY;
  int status = 200;
  std::string contentType;
  bool sendLength = true;
  int delayMs = 0;
  bool holdReplies = false;
  int trickleMs = 0;
  bool hangHolds = false;
  std::string redirect;
  int redirectHops = 0;
  std::string logFile;
  std::string tlsCert;
  std::string tlsKey;
};

std::optional<int> ParseNumber(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

// Returns 0 to go on, or the exit code.
int ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](const char* name) -> std::optional<std::string> {
      if (i + 1 >= argc) {
        std::cerr << "orvane-server: " << name << " needs a value\n";
        return std::nullopt;
      }
      return std::string(argv[++i]);
    };
    auto number = [&](const char* name, int low, int high, int& out) {
      auto text = value(name);
      if (!text) return false;
      auto parsed = ParseNumber(*text, low, high);
      if (!parsed) {
        std::cerr << "orvane-server: " << name << " takes a number from " << low << " to " << high
                  << ", not '" << *text << "'\n";
        return false;
      }
      out = *parsed;
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return -1;
    } else if (arg == "--bind") {
      auto text = value("--bind");
      if (!text) return 2;
      options.bind = *text;
    } else if (arg == "--port") {
      if (!number("--port", 0, 65535, options.port)) return 2;
    } else if (arg == "--port-file") {
      auto text = value("--port-file");
      if (!text) return 2;
      options.portFile = *text;
    } else if (arg == "--reply") {
      auto text = value("--reply");
      if (!text) return 2;
      options.replyFile = *text;
    } else if (arg == "--status") {
      if (!number("--status", 100, 999, options.status)) return 2;
    } else if (arg == "--content-type") {
      auto text = value("--content-type");
      if (!text) return 2;
      options.contentType = *text;
    } else if (arg == "--no-length") {
      options.sendLength = false;
    } else if (arg == "--delay-ms") {
      if (!number("--delay-ms", 0, 3'600'000, options.delayMs)) return 2;
    } else if (arg == "--hold-replies") {
      options.holdReplies = true;
    } else if (arg == "--trickle-ms") {
      if (!number("--trickle-ms", 1, 3'600'000, options.trickleMs)) return 2;
    } else if (arg == "--redirect") {
      auto text = value("--redirect");
      if (!text) return 2;
      options.redirect = *text;
    } else if (arg == "--hang-holds") {
      options.hangHolds = true;
    } else if (arg == "--redirect-hops") {
      if (!number("--redirect-hops", 1, 100, options.redirectHops)) return 2;
    } else if (arg == "--log") {
      auto text = value("--log");
      if (!text) return 2;
      options.logFile = *text;
    } else if (arg == "--tls-cert") {
      auto text = value("--tls-cert");
      if (!text) return 2;
      options.tlsCert = *text;
    } else if (arg == "--tls-key") {
      auto text = value("--tls-key");
      if (!text) return 2;
      options.tlsKey = *text;
    } else {
      std::cerr << "orvane-server: unknown option '" << arg << "' (see --help)\n";
      return 2;
    }
  }
  if (options.tlsCert.empty() != options.tlsKey.empty()) {
    std::cerr << "orvane-server: --tls-cert and --tls-key go together\n";
    return 2;
  }
  return 0;
}

std::atomic<bool> gStopping{false};
int gListener = -1;
std::mutex gStopMutex;
std::condition_variable gStopped;

void OnSignal(int) {
  gStopping = true;
  // shutdown() is safe in a signal handler and wakes the blocked accept().
  if (gListener >= 0) ::shutdown(gListener, SHUT_RDWR);
}

struct Request {
  std::string method;
  std::string target;
  std::vector<std::pair<std::string, std::string>> headers;
};

std::string Trim(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

bool SameAscii(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// One client's connection: the socket, and over it a TLS session when the server speaks
// https. Reads and writes go through here so the rest does not care which.
class Connection {
 public:
  Connection(int socket, SSL* tls) : socket_(socket), tls_(tls) {}
  ~Connection() {
    if (tls_ != nullptr) {
      // A close_notify, so the client sees the end of a body sent without a length as
      // its end and not as a cut connection.
      ::SSL_shutdown(tls_);
      ::SSL_free(tls_);
    }
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // The TLS handshake; true at once for plain http. A client that does not trust the
  // certificate ends it here, before any request is read or logged.
  bool Accept() {
    if (tls_ == nullptr) return true;
    ::SSL_set_fd(tls_, socket_);
    return ::SSL_accept(tls_) == 1;
  }
  long Recv(char* buffer, size_t size) {
    if (tls_ == nullptr) return ::recv(socket_, buffer, size, 0);
    const int got = ::SSL_read(tls_, buffer, static_cast<int>(size));
    return got > 0 ? got : -1;
  }
  long Send(const char* bytes, size_t size) {
    if (tls_ == nullptr) return ::send(socket_, bytes, size, MSG_NOSIGNAL);
    const int sent = ::SSL_write(tls_, bytes, static_cast<int>(size));
    return sent > 0 ? sent : -1;
  }

 private:
  int socket_;
  SSL* tls_;
};

// Reads up to the blank line that ends the head. False for a connection that closes or
// stalls first, or a head over the limit.
bool ReadHead(Connection& client, std::string& head) {
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    if (head.size() > kHeadLimit) return false;
    const long got = client.Recv(buffer, sizeof(buffer));
    if (got <= 0) return false;
    head.append(buffer, static_cast<size_t>(got));
  }
  head.resize(head.find("\r\n\r\n") + 2);
  return true;
}

bool ParseHead(const std::string& head, Request& request) {
  std::istringstream lines(head);
  std::string line;
  if (!std::getline(lines, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::istringstream first(line);
  std::string version;
  if (!(first >> request.method >> request.target >> version)) return false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) return false;
    request.headers.emplace_back(line.substr(0, colon), Trim(line.substr(colon + 1)));
  }
  return true;
}

// The start-up replies --hold-replies keeps back. A release lets go of the requests that
// wait at that moment and only those: a test that releases one start knows that the next
// start's request waits again. Everything is under the stop mutex, so a stop wakes these
// waits as it wakes a delay.
class HeldReplies {
 public:
  // True once released; false when the server stops first.
  bool Wait() {
    std::unique_lock lock(gStopMutex);
    const unsigned long long round = round_;
    ++waiting_;
    gStopped.wait(lock, [&] { return round_ != round || gStopping.load(); });
    if (round_ != round) return true;
    --waiting_;
    return false;
  }

  int Waiting() const {
    std::lock_guard lock(gStopMutex);
    return waiting_;
  }

  // How many requests it let go.
  int Release() {
    int released = 0;
    {
      std::lock_guard lock(gStopMutex);
      released = std::exchange(waiting_, 0);
      ++round_;
    }
    gStopped.notify_all();
    return released;
  }

 private:
  int waiting_ = 0;
  unsigned long long round_ = 0;
};

class Server {
 public:
  Server(Options options, std::string reply, std::string contentType)
      : options_(std::move(options)), reply_(std::move(reply)), contentType_(std::move(contentType)) {}

  void Serve(int socket, SSL* tls) {
    std::string head;
    Request request;
    timeval timeout = {10, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    Connection client(socket, tls);
    if (!client.Accept()) return;
    if (!ReadHead(client, head) || !ParseHead(head, request)) {
      Respond(client, 400, "text/plain; charset=utf-8", "bad request\n", true);
      return;
    }
    const std::string path = request.target.substr(0, request.target.find('?'));
    // A test's own requests: neither logged nor delayed, so the log holds the client's
    // requests alone.
    if (options_.holdReplies && path.rfind("/control/", 0) == 0) {
      Control(client, request.method, path);
      return;
    }
    Log(request);
    if (options_.delayMs > 0) {
      std::unique_lock lock(gStopMutex);
      gStopped.wait_for(lock, std::chrono::milliseconds(options_.delayMs),
                        [] { return gStopping.load(); });
      if (gStopping) return;
    }
    if (path != "/api.init.php") {
      Respond(client, 404, "text/plain; charset=utf-8", "not found\n", true);
      return;
    }
    if (request.method != "GET") {
      Respond(client, 405, "text/plain; charset=utf-8", "only GET\n", true);
      return;
    }
    for (const auto& [name, value] : request.headers) {
      if (SameAscii(name, "User-Command") && value == "hold") {
        if (options_.hangHolds) {
          std::unique_lock lock(gStopMutex);
          gStopped.wait(lock, [] { return gStopping.load(); });
          return;
        }
        Respond(client, 200, "text/plain; charset=utf-8", "", true);
        return;
      }
    }
    // Stopped while held: the connection closes without a reply.
    if (options_.holdReplies && !held_.Wait()) return;
    if (options_.redirectHops > 0) {
      const int hop = Hop(request.target);
      if (hop < options_.redirectHops) {
        Respond(client, 302, "text/plain; charset=utf-8", "moved\n", true,
                "Location: /api.init.php?hop=" + std::to_string(hop + 1) + "\r\n");
        return;
      }
    }
    if (!options_.redirect.empty()) {
      Respond(client, 302, "text/plain; charset=utf-8", "moved\n", true,
              "Location: " + options_.redirect + "\r\n");
      return;
    }
    Respond(client, options_.status, contentType_, reply_, options_.sendLength, {},
            options_.trickleMs);
  }

 private:
  void Control(Connection& client, const std::string& method, const std::string& path) {
    const char* json = "application/json; charset=utf-8";
    if (path == "/control/waiting") {
      if (method != "GET") {
        Respond(client, 405, "text/plain; charset=utf-8", "only GET\n", true);
        return;
      }
      Respond(client, 200, json, nlohmann::json{{"waiting", held_.Waiting()}}.dump() + "\n", true);
    } else if (path == "/control/release") {
      // POST: a release changes what the server does, so no prefetch or retry of a GET
      // may set it off.
      if (method != "POST") {
        Respond(client, 405, "text/plain; charset=utf-8", "only POST\n", true);
        return;
      }
      Respond(client, 200, json, nlohmann::json{{"released", held_.Release()}}.dump() + "\n", true);
    } else {
      Respond(client, 404, "text/plain; charset=utf-8", "not found\n", true);
    }
  }

  // K of a target ending in "?hop=K"; 0 for any other.
  static int Hop(const std::string& target) {
    const size_t at = target.find("?hop=");
    if (at == std::string::npos) return 0;
    return ParseNumber(target.substr(at + 5), 0, 1000).value_or(0);
  }

  static const char* Reason(int status) {
    switch (status) {
      case 200: return "OK";
      case 302: return "Found";
      case 400: return "Bad Request";
      case 404: return "Not Found";
      case 405: return "Method Not Allowed";
      case 500: return "Internal Server Error";
      case 503: return "Service Unavailable";
      default: return "Status";
    }
  }

  static void SendAll(Connection& client, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
      const long n = client.Send(bytes.data() + sent, bytes.size() - sent);
      if (n <= 0) return;  // the client went away; nothing to tell anyone
      sent += static_cast<size_t>(n);
    }
  }

  // trickleMs > 0 sends the body a byte at a time with that pause between bytes, the way
  // a server that wants to hold a client sends it.
  static void Respond(Connection& client, int status, const std::string& type, const std::string& body,
                      bool withLength, const std::string& extraHeaders = {}, int trickleMs = 0) {
    std::string head = "HTTP/1.1 " + std::to_string(status) + " " + Reason(status) + "\r\n";
    head += "Content-Type: " + type + "\r\n";
    if (withLength) head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    head += extraHeaders;
    head += "Connection: close\r\n\r\n";
    SendAll(client, head);
    if (trickleMs == 0) {
      SendAll(client, body);
      return;
    }
    for (const char byte : body) {
      std::unique_lock lock(gStopMutex);
      if (gStopped.wait_for(lock, std::chrono::milliseconds(trickleMs), [] { return gStopping.load(); }))
        return;
      lock.unlock();
      if (client.Send(&byte, 1) != 1) return;
    }
  }

  void Log(const Request& request) {
    if (options_.logFile.empty()) return;
    nlohmann::json headers = nlohmann::json::array();
    for (const auto& [name, value] : request.headers) headers.push_back({name, value});
    const nlohmann::json entry = {
        {"method", request.method}, {"path", request.target}, {"headers", headers}};
    std::lock_guard lock(logMutex_);
    std::ofstream log(options_.logFile, std::ios::app | std::ios::binary);
    // Header bytes that are not UTF-8 are replaced rather than refused: the log is for
    // reading, and one odd client must not stop it.
    log << entry.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  }

  Options options_;
  std::string reply_;
  std::string contentType_;
  std::mutex logMutex_;
  HeldReplies held_;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const int code = ParseOptions(argc, argv, options); code != 0) return code < 0 ? 0 : code;

  std::ifstream file(options.replyFile, std::ios::binary);
  if (!file) {
    std::cerr << "orvane-server: cannot read the reply file " << options.replyFile << "\n";
    return 1;
  }
  std::ostringstream content;
  content << file.rdbuf();
  const std::string reply = content.str();
  std::string contentType = options.contentType;
  if (contentType.empty()) {
    contentType = nlohmann::json::accept(reply) ? "application/json; charset=utf-8"
                                                : "text/html; charset=utf-8";
  }

  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(options.port));
  if (::inet_pton(AF_INET, options.bind.c_str(), &address.sin_addr) != 1) {
    std::cerr << "orvane-server: --bind takes an IPv4 address, not '" << options.bind << "'\n";
    return 2;
  }
  gListener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int on = 1;
  ::setsockopt(gListener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
  if (gListener < 0 || ::bind(gListener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(gListener, 64) != 0) {
    std::cerr << "orvane-server: cannot listen on " << options.bind << ":" << options.port << ": "
              << std::strerror(errno) << "\n";
    return 1;
  }
  socklen_t length = sizeof(address);
  ::getsockname(gListener, reinterpret_cast<sockaddr*>(&address), &length);
  const int port = ntohs(address.sin_port);

  struct sigaction action = {};
  action.sa_handler = OnSignal;
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);

  SSL_CTX* tls = nullptr;
  if (!options.tlsCert.empty()) {
    tls = ::SSL_CTX_new(::TLS_server_method());
    if (tls == nullptr || ::SSL_CTX_use_certificate_chain_file(tls, options.tlsCert.c_str()) != 1 ||
        ::SSL_CTX_use_PrivateKey_file(tls, options.tlsKey.c_str(), SSL_FILETYPE_PEM) != 1 ||
        ::SSL_CTX_check_private_key(tls) != 1) {
      char reason[256] = "unknown";
      ::ERR_error_string_n(::ERR_get_error(), reason, sizeof(reason));
      std::cerr << "orvane-server: cannot use the certificate " << options.tlsCert << " and key "
                << options.tlsKey << ": " << reason << "\n";
      return 1;
    }
  }

  if (!options.portFile.empty()) {
    // Written whole under another name first, so a reader never sees half a number.
    const std::string partial = options.portFile + ".partial";
    { std::ofstream(partial) << port << "\n"; }
    std::rename(partial.c_str(), options.portFile.c_str());
  }
  std::cout << "listening on " << (tls != nullptr ? "https://" : "http://") << options.bind << ":"
            << port << std::endl;

  Server server(options, reply, contentType);
  while (!gStopping) {
    const int client = ::accept4(gListener, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      break;
    }
    SSL* session = tls != nullptr ? ::SSL_new(tls) : nullptr;
    if (tls != nullptr && session == nullptr) {
      ::close(client);
      continue;
    }
    std::thread([&server, client, session] {
      server.Serve(client, session);
      ::close(client);
    }).detach();
  }
  // Wake delayed answers so they end without replying, then leave; connection threads
  // still running die with the process.
  gStopping = true;
  gStopped.notify_all();
  ::close(gListener);
  std::cout << "stopped" << std::endl;
  std::_Exit(0);
}
