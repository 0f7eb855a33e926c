// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// A crowd of pages for measuring the console's web pages against a broker: thousands of WebSocket
// clients in this one process (one epoll set, each client bound to a loopback address of its own
// or all to one), plus silent connections that never send a byte. Once all are in, it sends
// MESSAGES captions one INTERVAL apart and times each from its sending until the last page has it:
//   console  the audience's socket /live?view=caption; a caption is sent as an OSC cue,
//            /lumetra/text "m<k>: CAPTION" [MODE], to the console's OSC port
//   broker   MQTT 3.1.1 over WebSockets (subscribed to "caption"); a caption is published over
//            the broker's plain MQTT port, the very bytes the console's pages get
// and it reads the server's CPU time (the whole process, and its "lumetra-web" thread when there is
// one) across the messages and its memory before and after the pages came. It prints one line of
// name=value pairs. With --probe it also times /lumetra/state answers (OSC) while the crowd is in;
// with --send-log (the console's sends.log) it also tells how long each send took from the cue to
// its end (the time the log records) and from there to the last page.
#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  std::string target = "console";  // or "broker"
  int port = 8080;                 // the pages' (WebSocket) port
  int sendPort = 9000;             // OSC (console) or plain MQTT (broker)
  int pages = 100;
  int silent = 0;
  bool oneAddress = false;
  std::string view = "caption";
  int messages = 20;
  int intervalMs = 1000;
  std::string caption = "第一幕开场";
  int mode = -1;
  int pid = 0;
  bool probe = false;
  std::string sendLog;
};

enum class State { Connecting, Upgrading, Subscribing, Ready, Closed };

struct Client {
  int fd = -1;
  State state = State::Connecting;
  bool silent = false;
  std::string in;    // bytes not yet read as frames
  std::string mqtt;  // the broker's byte stream inside the frames
};

struct Arrivals {
  Clock::time_point sent{};
  Clock::time_point last{};
  double sentWallMs = 0;
  double lastWallMs = 0;
  int pages = 0;
  std::size_t mostBytes = 0;
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double WallMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string Address(int index, bool one) {
  if (one) return "127.0.0.1";
  return "127.1." + std::to_string(index / 250) + "." + std::to_string(index % 250 + 1);
}

int ConnectFrom(const std::string& from, int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  ::inet_pton(AF_INET, from.c_str(), &local.sin_addr);
  ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
  sockaddr_in server{};
  server.sin_family = AF_INET;
  server.sin_port = htons(std::uint16_t(port));
  server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server);
  return fd;
}

void SendAll(int fd, const std::string& bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const ssize_t sent = ::send(fd, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
    if (sent <= 0) return;
    at += std::size_t(sent);
  }
}

std::string MaskedFrame(unsigned char opcode, const std::string& payload) {
  std::string frame(1, char(0x80 | opcode));
  if (payload.size() < 126) {
    frame += char(0x80 | payload.size());
  } else {
    frame += char(0x80 | 126);
    frame += char(payload.size() >> 8);
    frame += char(payload.size() & 0xFF);
  }
  const char mask[4] = {0x11, 0x22, 0x33, 0x44};
  frame.append(mask, 4);
  for (std::size_t i = 0; i < payload.size(); ++i) frame += char(payload[i] ^ mask[i % 4]);
  return frame;
}

std::string MqttString(const std::string& text) {
  return std::string{char(text.size() >> 8), char(text.size() & 0xFF)} + text;
}

std::string MqttPacket(unsigned char type, const std::string& body) {
  std::string packet(1, char(type));
  std::size_t length = body.size();
  do {
    unsigned char byte = length % 128;
    length /= 128;
    if (length > 0) byte |= 0x80;
    packet += char(byte);
  } while (length > 0);
  return packet + body;
}

std::string MqttConnect(const std::string& id) {
  return MqttPacket(0x10, MqttString("MQTT") + std::string{4, 0x02, 0, 0} + MqttString(id));
}

std::string OscString(const std::string& text) {
  std::string padded = text + '\0';
  while (padded.size() % 4 != 0) padded += '\0';
  return padded;
}

std::string OscMessage(const std::string& address, const std::string& text, int mode) {
  std::string message = OscString(address) + OscString(mode < 0 ? (text.empty() ? "," : ",s") : ",si");
  if (!text.empty() || mode >= 0) message += OscString(text);
  if (mode >= 0) message += std::string{0, 0, 0, char(mode)};
  return message;
}

// The number after "m" and before ":" in a message: which caption it is.
int MessageIndex(const std::string& payload) {
  const std::size_t at = payload.find("m");
  for (std::size_t from = at; from != std::string::npos; from = payload.find('m', from + 1)) {
    std::size_t end = from + 1;
    while (end < payload.size() && payload[end] >= '0' && payload[end] <= '9') ++end;
    if (end > from + 1 && end < payload.size() && payload[end] == ':') return std::atoi(payload.c_str() + from + 1);
  }
  return -1;
}

long long Field(const std::string& path, int field) {
  std::ifstream file(path);
  std::string text((std::istreambuf_iterator<char>(file)), {});
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream rest(text.substr(close + 2));
  std::string value;
  for (int i = 3; i <= field && rest >> value; ++i) {
  }
  return std::atoll(value.c_str());
}

// utime + stime of a process or thread, in milliseconds.
double CpuMs(const std::string& stat) {
  return double(Field(stat, 14) + Field(stat, 15)) * 1000.0 / double(::sysconf(_SC_CLK_TCK));
}

long long RssKiB(int pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atoll(line.c_str() + 6);
  return 0;
}

std::string ThreadStat(int pid, const std::string& name) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* folder = ::opendir(tasks.c_str());
  if (folder == nullptr) return {};
  std::string found;
  while (const dirent* entry = ::readdir(folder)) {
    std::ifstream comm(tasks + "/" + entry->d_name + "/comm");
    std::string text;
    if (std::getline(comm, text) && text == name) found = tasks + "/" + entry->d_name + "/stat";
  }
  ::closedir(folder);
  return found;
}

class Crowd {
 public:
  explicit Crowd(const Options& options) : options_(options), epoll_(::epoll_create1(EPOLL_CLOEXEC)) {}

  // Opens every client, `concurrent` at a time; false when they were not all in by the deadline.
  bool Open(Clock::time_point deadline) {
    const int total = options_.pages + options_.silent;
    clients_.resize(std::size_t(total));
    int next = 0;
    while (Clock::now() < deadline) {
      while (next < total && next - ready_ - closed_ < 256) {
        Client& client = clients_[std::size_t(next)];
        client.silent = next >= options_.pages;
        client.fd = ConnectFrom(Address(next, options_.oneAddress), options_.port);
        epoll_event event{EPOLLIN | EPOLLOUT, {.u64 = std::uint64_t(next)}};
        ::epoll_ctl(epoll_, EPOLL_CTL_ADD, client.fd, &event);
        ++next;
      }
      if (next == total && ready_ + closed_ == total) return closed_ == 0 || options_.oneAddress;
      Turn(10);
    }
    return false;
  }

  // Runs the event loop for `ms` milliseconds.
  void Turn(int ms) {
    epoll_event events[1024];
    const int count = ::epoll_wait(epoll_, events, 1024, ms);
    for (int i = 0; i < count; ++i) Serve(clients_[events[i].data.u64], events[i].events);
  }

  void Expect(int message, Clock::time_point sent) {
    arrivals_[message].sent = sent;
    arrivals_[message].sentWallMs = WallMs();
  }
  const std::map<int, Arrivals>& Arrived() const { return arrivals_; }
  int Ready() const { return ready_; }
  int Closed() const { return closed_; }
  int SilentClosed() const { return silentClosed_; }

 private:
  void Serve(Client& client, std::uint32_t events) {
    if (client.state == State::Closed) return;
    if (client.state == State::Connecting && (events & EPOLLOUT)) {
      int error = 0;
      socklen_t length = sizeof error;
      ::getsockopt(client.fd, SOL_SOCKET, SO_ERROR, &error, &length);
      if (error != 0) return Close(client);
      epoll_event event{EPOLLIN, {.u64 = std::uint64_t(&client - clients_.data())}};
      ::epoll_ctl(epoll_, EPOLL_CTL_MOD, client.fd, &event);
      if (client.silent) {
        client.state = State::Ready;
        ++ready_;
        return;
      }
      const int on = 1;
      ::setsockopt(client.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
      const bool broker = options_.target == "broker";
      std::string request = "GET " + std::string(broker ? "/mqtt" : "/live?view=" + options_.view) +
                            " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(options_.port) +
                            "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                            "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n";
      if (broker) request += "Sec-WebSocket-Protocol: mqtt\r\n";
      SendAll(client.fd, request + "\r\n");
      client.state = State::Upgrading;
      return;
    }
    if (!(events & (EPOLLIN | EPOLLHUP | EPOLLERR))) return;
    char bytes[65536];
    const ssize_t read = ::recv(client.fd, bytes, sizeof bytes, 0);
    if (read <= 0) return Close(client);
    const Clock::time_point now = Clock::now();
    client.in.append(bytes, std::size_t(read));
    if (client.state == State::Upgrading) {
      const std::size_t end = client.in.find("\r\n\r\n");
      if (end == std::string::npos) return;
      if (client.in.compare(0, 12, "HTTP/1.1 101") != 0) return Close(client);
      client.in.erase(0, end + 4);
      if (options_.target == "broker") {
        const std::string id = "p" + std::to_string(&client - clients_.data());
        const std::string subscribe = MqttPacket(0x82, std::string{0, 1} + MqttString("caption") + std::string(1, 0));
        SendAll(client.fd, MaskedFrame(0x2, MqttConnect(id)) + MaskedFrame(0x2, subscribe));
        client.state = State::Subscribing;
      } else {
        client.state = State::Ready;
        ++ready_;
      }
    }
    TakeFrames(client, now);
  }

  void TakeFrames(Client& client, Clock::time_point now) {
    for (;;) {
      const auto* data = reinterpret_cast<const unsigned char*>(client.in.data());
      if (client.in.size() < 2) return;
      std::size_t header = 2;
      std::size_t length = data[1] & 0x7F;
      if (length == 126) {
        if (client.in.size() < 4) return;
        length = std::size_t(data[2]) << 8 | data[3];
        header = 4;
      } else if (length == 127) {
        if (client.in.size() < 10) return;
        length = 0;
        for (int i = 0; i < 8; ++i) length = length << 8 | data[2 + i];
        header = 10;
      }
      if (client.in.size() < header + length) return;
      const std::string payload = client.in.substr(header, length);
      const unsigned char opcode = data[0] & 0x0F;
      client.in.erase(0, header + length);
      if (opcode == 0x1) Arrive(payload, now);
      if (opcode == 0x2) TakeMqtt(client, payload, now);
    }
  }

  void TakeMqtt(Client& client, const std::string& bytes, Clock::time_point now) {
    client.mqtt += bytes;
    for (;;) {
      std::size_t length = 0, shift = 0, at = 1;
      for (; at < client.mqtt.size() && at < 5; ++at) {
        length |= std::size_t(client.mqtt[at] & 0x7F) << shift;
        shift += 7;
        if (!(client.mqtt[at] & 0x80)) break;
      }
      if (at >= client.mqtt.size() || client.mqtt.size() < at + 1 + length) return;
      const unsigned char type = static_cast<unsigned char>(client.mqtt[0]) >> 4;
      const std::string body = client.mqtt.substr(at + 1, length);
      client.mqtt.erase(0, at + 1 + length);
      if (type == 9 && client.state == State::Subscribing) {  // SUBACK
        client.state = State::Ready;
        ++ready_;
      } else if (type == 3 && body.size() >= 2) {  // PUBLISH, QoS 0
        const std::size_t topic = std::size_t(static_cast<unsigned char>(body[0])) << 8 | static_cast<unsigned char>(body[1]);
        Arrive(body.substr(2 + topic), now);
      }
    }
  }

  void Arrive(const std::string& payload, Clock::time_point now) {
    const int index = MessageIndex(payload);
    const auto found = arrivals_.find(index);
    if (found == arrivals_.end()) return;  // a greeting
    ++found->second.pages;
    found->second.last = now;
    found->second.lastWallMs = WallMs();
    found->second.mostBytes = std::max(found->second.mostBytes, payload.size());
  }

  void Close(Client& client) {
    ::close(client.fd);
    if (client.state == State::Ready) --ready_;
    if (client.silent) ++silentClosed_;
    client.state = State::Closed;
    ++closed_;
  }

  const Options& options_;
  int epoll_;
  std::vector<Client> clients_;
  std::map<int, Arrivals> arrivals_;
  int ready_ = 0;
  int closed_ = 0;
  int silentClosed_ = 0;
};

// One OSC /lumetra/state round trip: milliseconds until the first answer, or -1.
double ProbeState(int oscPort) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in console{};
  console.sin_family = AF_INET;
  console.sin_port = htons(std::uint16_t(oscPort));
  console.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const std::string message = OscMessage("/lumetra/state", "", -1);
  const Clock::time_point start = Clock::now();
  ::sendto(fd, message.data(), message.size(), 0, reinterpret_cast<sockaddr*>(&console), sizeof console);
  timeval wait{2, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  char answer[2048];
  double ms = -1;
  for (;;) {
    const ssize_t read = ::recv(fd, answer, sizeof answer, 0);
    if (read <= 0) break;
    if (std::string(answer, std::size_t(read)).rfind("/lumetra/state", 0) == 0) {
      ms = Ms(Clock::now() - start);
      break;
    }
  }
  ::close(fd);
  return ms;
}

// When the console's send log says each caption's send ended (local time with milliseconds).
std::map<int, double> SendEnds(const std::string& path) {
  std::map<int, double> ends;
  std::ifstream log(path);
  for (std::string line; std::getline(log, line);) {
    std::tm time{};
    const char* rest = ::strptime(line.c_str(), "%Y-%m-%d %H:%M:%S", &time);
    if (rest == nullptr || *rest != '.') continue;
    time.tm_isdst = -1;
    const double ms = double(std::mktime(&time)) * 1000 + std::atof(rest + 1);
    const int index = MessageIndex(line.substr(line.rfind('\t') + 1));
    if (index >= 0) ends[index] = ms;
  }
  return ends;
}

Options Read(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const std::string value = argv[i + 1];
    if (name == "--target") options.target = value;
    else if (name == "--port") options.port = std::atoi(value.c_str());
    else if (name == "--send-port") options.sendPort = std::atoi(value.c_str());
    else if (name == "--pages") options.pages = std::atoi(value.c_str());
    else if (name == "--silent") options.silent = std::atoi(value.c_str());
    else if (name == "--from") options.oneAddress = value == "one";
    else if (name == "--view") options.view = value;
    else if (name == "--messages") options.messages = std::atoi(value.c_str());
    else if (name == "--interval-ms") options.intervalMs = std::atoi(value.c_str());
    else if (name == "--caption") options.caption = value;
    else if (name == "--mode") options.mode = std::atoi(value.c_str());
    else if (name == "--pid") options.pid = std::atoi(value.c_str());
    else if (name == "--probe") options.probe = value == "yes";
    else if (name == "--send-log") options.sendLog = value;
    else std::fprintf(stderr, "page-crowd: unknown option %s\n", name.c_str());
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = Read(argc, argv);
  rlimit files{};
  ::getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = files.rlim_max;
  ::setrlimit(RLIMIT_NOFILE, &files);
  const std::string stat = "/proc/" + std::to_string(options.pid) + "/stat";
  const std::string webStat = ThreadStat(options.pid, "lumetra-web");
  const long long rssBefore = RssKiB(options.pid);

  Crowd crowd(options);
  const bool allIn = crowd.Open(Clock::now() + std::chrono::seconds(120));
  for (int i = 0; i < 20; ++i) crowd.Turn(50);  // greetings taken, the server settled
  const long long rssWith = RssKiB(options.pid);

  int publisher = -1;
  if (options.target == "broker") {
    publisher = ConnectFrom("127.0.0.1", options.sendPort);
    ::usleep(100000);
    SendAll(publisher, MqttConnect("publisher"));
  }
  const int osc = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in console{};
  console.sin_family = AF_INET;
  console.sin_port = htons(std::uint16_t(options.sendPort));
  console.sin_addr.s_addr = htonl(INADDR_LOOPBACK);

  std::vector<double> probes;
  const double cpuBefore = CpuMs(stat);
  const double webBefore = webStat.empty() ? 0 : CpuMs(webStat);
  for (int k = 0; k < options.messages; ++k) {
    const std::string text = "m" + std::to_string(k) + ": " + options.caption;
    const Clock::time_point sent = Clock::now();
    crowd.Expect(k, sent);
    if (options.target == "broker") {
      // The message the console's audience pages get, byte for byte in shape.
      const std::string json = R"({"type":"caption","seq":)" + std::to_string(k + 1) + R"(,"text":")" + text +
                               R"(","lang":"zh"})";
      SendAll(publisher, MqttPacket(0x30, MqttString("caption") + json));
    } else {
      const std::string message = OscMessage("/lumetra/text", text, options.mode);
      ::sendto(osc, message.data(), message.size(), 0, reinterpret_cast<sockaddr*>(&console), sizeof console);
    }
    if (options.probe && options.target == "console") probes.push_back(ProbeState(options.sendPort));
    while (Clock::now() < sent + std::chrono::milliseconds(options.intervalMs)) crowd.Turn(5);
  }
  for (const Clock::time_point end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
    bool all = true;
    for (const auto& [index, arrivals] : crowd.Arrived()) all = all && arrivals.pages >= crowd.Ready();
    if (all) break;
    crowd.Turn(5);
  }
  const double cpuMs = CpuMs(stat) - cpuBefore;
  const double webMs = webStat.empty() ? 0 : CpuMs(webStat) - webBefore;

  std::vector<double> lastMs;
  std::vector<double> sendMs;
  std::vector<double> afterSendMs;
  const std::map<int, double> ends = options.sendLog.empty() ? std::map<int, double>() : SendEnds(options.sendLog);
  int complete = 0;
  std::size_t mostBytes = 0;
  for (const auto& [index, arrivals] : crowd.Arrived()) {
    if (arrivals.pages > 0) lastMs.push_back(Ms(arrivals.last - arrivals.sent));
    complete += arrivals.pages >= crowd.Ready();
    mostBytes = std::max(mostBytes, arrivals.mostBytes);
    if (const auto end = ends.find(index); end != ends.end() && arrivals.pages > 0) {
      sendMs.push_back(end->second - arrivals.sentWallMs);
      afterSendMs.push_back(arrivals.lastWallMs - end->second);
    }
  }
  const double median = Median(lastMs);
  const double worst = lastMs.empty() ? -1 : *std::max_element(lastMs.begin(), lastMs.end());
  const double worstProbe = probes.empty() ? -1 : *std::max_element(probes.begin(), probes.end());
  std::printf(
      "target=%s pages=%d silent=%d all_in=%d ready=%d closed=%d silent_closed=%d messages=%d complete=%d "
      "last_page_median_ms=%.1f last_page_worst_ms=%.1f message_bytes=%zu cpu_ms_per_message=%.3f "
      "web_thread_cpu_ms_per_message=%.3f rss_before_kib=%lld rss_with_kib=%lld kib_per_page=%.2f state_probe_worst_ms=%.1f "
      "send_median_ms=%.1f after_send_median_ms=%.1f\n",
      options.target.c_str(), options.pages, options.silent, allIn, crowd.Ready(), crowd.Closed(),
      crowd.SilentClosed(), options.messages, complete, median, worst, mostBytes, cpuMs / options.messages,
      webMs / options.messages, rssBefore, rssWith,
      options.pages > 0 ? double(rssWith - rssBefore) / options.pages : 0.0, worstProbe, Median(sendMs),
      Median(afterSendMs));
  return 0;
}
