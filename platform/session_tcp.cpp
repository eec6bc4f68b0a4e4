// The only file that includes asio: it is slow to compile.
#include "platform/session_tcp.h"

#include <algorithm>
#include <asio.hpp>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "platform/session_wire.h"

using asio::ip::tcp;
using namespace SessionWire;

namespace {

using TClock = std::chrono::steady_clock;

// One TCP connection: reads frames one after another and writes whatever is queued, in
// order. Handlers keep it alive; once closed it calls nothing any more.
class TLink : public std::enable_shared_from_this<TLink> {
public:
  // Answers false for a payload that breaks the protocol: the link then closes.
  using TOnPayload = std::function<bool(std::string_view payload)>;
  using TOnClosed = std::function<void()>;

  TLink(tcp::socket socket, std::size_t maxQueued) : FSocket(std::move(socket)), FMaxQueued(maxQueued) {
    asio::error_code ignored;
    FSocket.set_option(tcp::no_delay(true), ignored);
  }

  void Start(TOnPayload onPayload, TOnClosed onClosed) {
    FOnPayload = std::move(onPayload);
    FOnClosed = std::move(onClosed);
    ReadHeader();
  }

  void Write(std::string_view frame) {
    if (FClosed) return;
    FQueued += frame;
    if (FQueued.size() + FWriting.size() > FMaxQueued) return FailLater();
    if (FWriting.empty()) Flush();
  }

  // Closes without telling the owner (it asked for it).
  void Close() {
    if (FClosed) return;
    FClosed = true;
    asio::error_code ignored;
    FSocket.shutdown(tcp::socket::shutdown_both, ignored);
    FSocket.close(ignored);
  }

  bool Closed() const { return FClosed; }
  TClock::time_point LastHeard() const { return FLastHeard; }

private:
  void Fail() {
    if (FClosed) return;
    Close();
    if (FOnClosed) FOnClosed();
  }

  // For a failure found while the owner is writing: it may be walking its connections.
  void FailLater() {
    if (FClosed) return;
    Close();
    asio::post(FSocket.get_executor(), [self = shared_from_this()] {
      if (self->FOnClosed) self->FOnClosed();
    });
  }

  void ReadHeader() {
    asio::async_read(FSocket, asio::buffer(FHeader), [self = shared_from_this()](asio::error_code error, std::size_t) {
      if (self->FClosed) return;
      const std::optional<std::uint32_t> size = error ? std::nullopt : PayloadLength(self->FHeader);
      if (!size) return self->Fail();
      self->ReadBody(*size);
    });
  }

  void ReadBody(std::uint32_t size) {
    FBody.resize(size);
    asio::async_read(FSocket, asio::buffer(FBody), [self = shared_from_this()](asio::error_code error, std::size_t) {
      if (self->FClosed) return;
      if (error) return self->Fail();
      self->FLastHeard = TClock::now();
      if (!self->FOnPayload(self->FBody)) return self->Fail();
      if (!self->FClosed) self->ReadHeader();
    });
  }

  void Flush() {
    FWriting.swap(FQueued);
    const auto written = [self = shared_from_this()](asio::error_code error, std::size_t) {
      if (self->FClosed) return;
      if (error) return self->Fail();
      self->FWriting.clear();
      if (!self->FQueued.empty()) self->Flush();
    };
    asio::async_write(FSocket, asio::buffer(FWriting), written);
  }

  tcp::socket FSocket;
  std::size_t FMaxQueued;
  std::array<char, HeaderSize> FHeader{};
  std::string FBody;
  std::string FQueued;   // waiting for the write in progress
  std::string FWriting;  // the write in progress
  TOnPayload FOnPayload;
  TOnClosed FOnClosed;
  TClock::time_point FLastHeard = TClock::now();
  bool FClosed = false;
};

struct TAddedEvent {
  TSessionPlayer Player;
};

struct TMessageEvent {
  TSessionPlayerId From = 0;
  TSessionPlayerId To = 0;  // what the sender addressed; the host relays by it
  std::string Block;
};

struct TRemovedEvent {
  TSessionPlayerId Id = 0;
};

struct TIdentifiedEvent {
  TSessionPlayerId Id = 0;
  std::uint64_t Identity = 0;
};

struct TNoticeEvent {
  std::string Block;
};

using TEvent = std::variant<TAddedEvent, TMessageEvent, TRemovedEvent, TIdentifiedEvent, TNoticeEvent>;

}  // namespace

class TTcpSession::TImpl {
public:
  explicit TImpl(TTcpSessionSettings settings)
      : FSettings(std::move(settings)), FWork(asio::make_work_guard(FContext)) {}

  ~TImpl() { Close(); }

  TTcpSessionSettings FSettings;
  ISessionEvents* FEvents = nullptr;
  std::string FAddress;

  // The context outlives everything below it: handlers it still holds are destroyed with it.
  asio::io_context FContext;
  asio::executor_work_guard<asio::io_context::executor_type> FWork;

  // Connecting: resolving the host's name, connecting, or waiting for its list of sessions.
  // Lost: the host went away; what arrived before is still handed out, nothing is sent.
  enum class TMode { None, Host, Connecting, Listed, Joining, Joined, Lost };
  TMode FMode = TMode::None;
  TSessionPlayer FSelf;
  std::uint64_t FIdentity = 0;
  std::deque<TEvent> FQueue;
  TClock::time_point FNextKeepAlive;

  // Hosting.
  enum class TStage { Hello, Join, Member };
  struct TPeer {
    std::shared_ptr<TLink> Link;
    TStage Stage = TStage::Hello;
    TClock::time_point Deadline;
    TSessionPlayer Player;
    bool Announced = false;  // its PlayerAdded was handed to the game: it now gets broadcasts
    bool KeepsAlive = false;  // one of ours: it is sent keep-alives and notices, and must answer
    bool Quiet = false;       // it said it waits: its silence does not count until it speaks
    bool Identified = false;
  };
  std::optional<tcp::acceptor> FAcceptor;
  std::string FSessionName;
  std::map<const TLink*, TPeer> FPeers;
  TSessionPlayerId FNextId = 1;

  // Joining.
  tcp::resolver FResolver{FContext};
  std::shared_ptr<tcp::socket> FConnecting;  // a connect under way
  // Counts the attempts: the handlers of one given up find it changed and do nothing.
  unsigned FAttempt = 0;
  std::shared_ptr<TLink> FHostLink;
  std::vector<std::string> FSessionNames;
  std::vector<TSessionPlayer> FMembers;
  bool FHostKeepsAlive = false;
  bool FHostQuiet = false;
  bool FLossAnnounced = false;
  // A BeginJoin under way joins the first session listed as this player, by the deadline.
  std::optional<std::string> FJoinAs;
  TClock::time_point FJoinDeadline;
  std::optional<bool> FJoinEnded;  // how it ended, for the Poll that ran its end to hand out

  bool Active() const { return FMode == TMode::Host || FMode == TMode::Joined; }

  // --- Both sides ---

  // This machine's own member is announced as part of hosting or joining, before anything
  // that arrives later.
  void AnnounceSelf() {
    if (FEvents != nullptr) FEvents->PlayerAdded(FSelf);
  }

  void DeliverLocally(TSessionPlayerId from, std::string_view block) {
    if (FEvents != nullptr) FEvents->MessageReceived(from, block);
  }

  void Poll() {
    for (int i = 0; i < FSettings.PollBudget && FContext.poll_one() > 0; ++i) {
    }
    if (FMode == TMode::Host) DropSlowHandshakes();
    if (FJoinAs && TClock::now() >= FJoinDeadline) EndAttempt();
    KeepAlive();
    if (const std::optional<bool> joined = std::exchange(FJoinEnded, std::nullopt)) {
      if (*joined) AnnounceSelf();
      if (FEvents != nullptr) FEvents->JoinEnded(*joined);
    }
    for (int i = 0; i < FSettings.EventBudget && !FQueue.empty(); ++i) {
      TEvent event = std::move(FQueue.front());
      FQueue.pop_front();
      if (FMode == TMode::Host) {
        DeliverAsHost(event);
      } else if (FMode == TMode::Joined || FMode == TMode::Lost) {
        DeliverAsClient(event);
      }
    }
    if (FMode == TMode::Lost && FQueue.empty() && !FLossAnnounced) {
      FLossAnnounced = true;
      if (FEvents != nullptr) FEvents->HostLost();
    }
  }

  // A machine that is suspended or cut off closes nothing: only its silence tells.
  void KeepAlive() {
    const TClock::time_point now = TClock::now();
    const bool due = now >= FNextKeepAlive;
    if (due) FNextKeepAlive = now + FSettings.KeepAliveInterval;
    if (FMode == TMode::Host) {
      std::vector<const TLink*> silent;
      for (const auto& [key, peer] : FPeers) {
        if (!peer.KeepsAlive) continue;
        if (!peer.Quiet && now - peer.Link->LastHeard() > FSettings.SilenceLimit) silent.push_back(key);
        if (due) peer.Link->Write(KeepAliveFrame());
      }
      for (const TLink* key : silent) DropPeer(key);
    } else if (FMode == TMode::Joined) {
      if (FHostKeepsAlive && !FHostQuiet && now - FHostLink->LastHeard() > FSettings.SilenceLimit)
        return OnHostClosed();
      if (due) FHostLink->Write(KeepAliveFrame());
    }
  }

  void Send(TSessionPlayerId to, std::string_view block) {
    if (!Active() || block.empty() || block.size() > MaxBlock) return;
    if (to == FSelf.Id) return DeliverLocally(FSelf.Id, block);
    if (FMode == TMode::Joined) {
      FHostLink->Write(MessageFrame(to, block));
    } else {
      Relay(FSelf.Id, to, block);
    }
  }

  void Close() {
    for (auto& [key, peer] : FPeers) peer.Link->Close();
    FPeers.clear();
    if (FAcceptor) {
      asio::error_code ignored;
      FAcceptor->close(ignored);
      FAcceptor.reset();
    }
    FJoinAs.reset();
    DropHostLink(TMode::None);
    FQueue.clear();
    FSelf = {};
    FMode = TMode::None;
  }

  // Runs the network until `done` holds or the wait limit passes.
  template <typename TDone>
  bool WaitFor(TDone done) {
    const TClock::time_point deadline = TClock::now() + FSettings.WaitLimit;
    while (!done()) {
      if (TClock::now() >= deadline) return false;
      FContext.run_one_for(std::chrono::milliseconds(1));
      if (FSettings.WhileWaiting) FSettings.WhileWaiting();
    }
    return true;
  }

  // --- Hosting ---

  bool Host(std::string_view sessionName, std::string_view playerName) {
    if (FMode != TMode::None) return false;
    FAcceptor = Listen();
    if (!FAcceptor) return false;
    FSessionName = sessionName;
    FSelf = {FNextId++, std::string(playerName)};
    FMode = TMode::Host;
    Accept();
    AnnounceSelf();
    return true;
  }

  // Both address families on one socket where the machine has IPv6, IPv4 alone elsewhere.
  std::optional<tcp::acceptor> Listen() {
    for (const tcp protocol : {tcp::v6(), tcp::v4()}) {
      asio::error_code error;
      tcp::acceptor acceptor(FContext);
      acceptor.open(protocol, error);
      if (!error && protocol == tcp::v6()) acceptor.set_option(asio::ip::v6_only(false), error);
      if (!error) acceptor.set_option(tcp::acceptor::reuse_address(true), error);
      if (!error) acceptor.bind(tcp::endpoint(protocol, FSettings.Port), error);
      if (!error) acceptor.listen(asio::socket_base::max_listen_connections, error);
      if (!error) return acceptor;
    }
    return std::nullopt;
  }

  std::uint16_t HostPort() const {
    asio::error_code error;
    if (FMode != TMode::Host || !FAcceptor) return 0;
    const tcp::endpoint endpoint = FAcceptor->local_endpoint(error);
    return error ? 0 : endpoint.port();
  }

  void Accept() {
    FAcceptor->async_accept([this](asio::error_code error, tcp::socket socket) {
      if (error == asio::error::operation_aborted || !FAcceptor || !FAcceptor->is_open()) return;
      if (!error) AddPeer(std::move(socket));
      Accept();
    });
  }

  void AddPeer(tcp::socket socket) {
    auto link = std::make_shared<TLink>(std::move(socket), FSettings.MaxQueuedBytes);
    const TLink* key = link.get();
    TPeer& peer = FPeers[key];
    peer.Link = link;
    peer.Deadline = TClock::now() + FSettings.HandshakeLimit;
    link->Start([this, key](std::string_view payload) { return OnPeerPayload(key, payload); },
                [this, key] { DropPeer(key); });
  }

  std::size_t MemberCount() const {
    std::size_t count = 1;  // the host's own
    for (const auto& [key, peer] : FPeers) count += peer.Stage == TStage::Member ? 1 : 0;
    return count;
  }

  // In joining order: identifiers are handed out counting up.
  std::vector<TSessionPlayer> HostPlayers() const {
    std::vector<TSessionPlayer> players{FSelf};
    for (const auto& [key, peer] : FPeers) {
      if (peer.Stage == TStage::Member) players.push_back(peer.Player);
    }
    std::sort(players.begin() + 1, players.end(), [](const auto& a, const auto& b) { return a.Id < b.Id; });
    return players;
  }

  bool OnPeerPayload(const TLink* key, std::string_view payload) {
    TPeer& peer = FPeers.at(key);
    const std::optional<TFrame> frame = SplitPayload(payload);
    if (!frame) return false;
    switch (peer.Stage) {
      case TStage::Hello:
        if (frame->Type != TFrameType::Hello || !ParseHello(frame->Body)) return false;
        peer.Stage = TStage::Join;
        peer.Link->Write(SessionsFrame({FSessionName}));
        return true;
      case TStage::Join: {
        if (frame->Type != TFrameType::Join) return false;
        const std::optional<TJoinRequest> request = ParseJoin(frame->Body);
        if (!request || request->Session != FSessionName || MemberCount() >= MaxPlayers) return false;
        peer.Stage = TStage::Member;
        peer.Player = {FNextId++, request->Player};
        peer.Link->Write(JoinedFrame(peer.Player.Id, HostPlayers()));
        FQueue.push_back(TAddedEvent{peer.Player});
        return true;
      }
      case TStage::Member: {
        if (frame->Type != TFrameType::Message) return false;
        std::optional<TMessageFrame> message = ParseMessage(frame->Body);
        if (!message) return false;
        peer.Quiet = false;
        if (message->Peer == KeepAlivePeer) {
          peer.KeepsAlive = true;
          peer.Quiet = SaysQuiet(message->Block);
          return true;
        }
        if (message->Peer == IdentityPeer) return OnIdentity(peer, message->Block);
        FQueue.push_back(TMessageEvent{peer.Player.Id, message->Peer, std::move(message->Block)});
        return true;
      }
    }
    return false;
  }

  // Only one of ours sends it, so it is sent notices from now on, even before its first
  // keep-alive arrives.
  bool OnIdentity(TPeer& peer, std::string_view block) {
    const std::optional<std::uint64_t> identity = ParseIdentity(block);
    if (!identity || peer.Identified) return false;
    peer.Identified = true;
    peer.KeepsAlive = true;
    FQueue.push_back(TIdentifiedEvent{peer.Player.Id, *identity});
    return true;
  }

  // A member that leaves is gone from the session. The game and the others hear of it after
  // whatever it sent before, in the order of everything else; one never announced was never
  // heard of, and its own announcement, still queued, finds it gone.
  void DropPeer(const TLink* key) {
    const auto found = FPeers.find(key);
    if (found == FPeers.end()) return;
    const bool announced = found->second.Announced;
    const TSessionPlayerId id = found->second.Player.Id;
    found->second.Link->Close();
    FPeers.erase(found);
    if (announced) FQueue.push_back(TRemovedEvent{id});
  }

  void DropSlowHandshakes() {
    const TClock::time_point now = TClock::now();
    std::vector<const TLink*> late;
    for (const auto& [key, peer] : FPeers) {
      if (peer.Stage != TStage::Member && now >= peer.Deadline) late.push_back(key);
    }
    for (const TLink* key : late) DropPeer(key);
  }

  TPeer* FindMember(TSessionPlayerId id) {
    for (auto& [key, peer] : FPeers) {
      if (peer.Stage == TStage::Member && peer.Player.Id == id) return &peer;
    }
    return nullptr;
  }

  // To every announced member except `except`.
  void Broadcast(std::string_view frame, TSessionPlayerId except) {
    for (auto& [key, peer] : FPeers) {
      if (peer.Announced && peer.Player.Id != except) peer.Link->Write(frame);
    }
  }

  // A block from `from` (this machine or a member) addressed to `to`.
  void Relay(TSessionPlayerId from, TSessionPlayerId to, std::string_view block) {
    if (to == ToAll) {
      Broadcast(MessageFrame(from, block), from);
      if (from != FSelf.Id) DeliverLocally(from, block);
    } else if (to == FSelf.Id) {
      DeliverLocally(from, block);
    } else if (TPeer* peer = FindMember(to)) {
      peer->Link->Write(MessageFrame(from, block));
    }
  }

  // Relaying here rather than on arrival keeps one order for all: whatever the host's game
  // has seen before a member was announced is in the state the game sends to it.
  void DeliverAsHost(TEvent& event) {
    if (auto* message = std::get_if<TMessageEvent>(&event)) return Relay(message->From, message->To, message->Block);
    if (auto* removed = std::get_if<TRemovedEvent>(&event)) {
      Broadcast(PlayerRemovedFrame(removed->Id), removed->Id);
      if (FEvents != nullptr) FEvents->PlayerRemoved(removed->Id);
      return;
    }
    if (auto* identified = std::get_if<TIdentifiedEvent>(&event)) {
      const TPeer* peer = FindMember(identified->Id);
      if (peer != nullptr && peer->Announced && FEvents != nullptr)
        FEvents->PlayerIdentified(identified->Id, identified->Identity);
      return;
    }
    if (!std::holds_alternative<TAddedEvent>(event)) return;
    const TSessionPlayer& player = std::get<TAddedEvent>(event).Player;
    if (player.Id != FSelf.Id) {
      TPeer* peer = FindMember(player.Id);
      if (peer == nullptr) return;  // left before it was announced
      Broadcast(PlayerAddedFrame(player), player.Id);
      peer->Announced = true;
    }
    if (FEvents != nullptr) FEvents->PlayerAdded(player);
  }

  // Only to members known to be ours: an older machine would take the block for a game
  // message from a member that does not exist.
  void SendNotice(TSessionPlayerId to, std::string_view block) {
    if (FMode != TMode::Host || block.empty() || block.size() > MaxBlock) return;
    const std::string frame = NoticeFrame(block);
    for (auto& [key, peer] : FPeers) {
      if (peer.Announced && peer.KeepsAlive && (to == ToAll || peer.Player.Id == to)) peer.Link->Write(frame);
    }
  }

  // Said to every machine that counts this one's silence, and pushed out now: the wait that
  // follows polls nothing.
  void GoQuiet() {
    if (FMode == TMode::Host) {
      for (auto& [key, peer] : FPeers)
        if (peer.KeepsAlive) peer.Link->Write(QuietFrame());
    } else if (FMode == TMode::Joined) {
      FHostLink->Write(QuietFrame());
    } else {
      return;
    }
    for (int i = 0; i < FSettings.PollBudget && FContext.poll_one() > 0; ++i) {
    }
  }

  // --- Joining ---

  void DeliverAsClient(TEvent& event) {
    if (FEvents == nullptr) return;
    if (auto* message = std::get_if<TMessageEvent>(&event)) return DeliverLocally(message->From, message->Block);
    if (auto* notice = std::get_if<TNoticeEvent>(&event)) return FEvents->NoticeReceived(notice->Block);
    if (auto* added = std::get_if<TAddedEvent>(&event)) FEvents->PlayerAdded(added->Player);
  }

  // Ends whatever there is of a connection to a host; the handlers of an attempt under way
  // do nothing any more.
  void DropHostLink(TMode mode) {
    ++FAttempt;
    FResolver.cancel();
    asio::error_code ignored;
    if (FConnecting) FConnecting->close(ignored);
    FConnecting.reset();
    if (FHostLink) FHostLink->Close();
    FHostLink.reset();
    FSessionNames.clear();
    FMembers.clear();
    FHostKeepsAlive = false;
    FHostQuiet = false;
    FMode = mode;
  }

  // An attempt that failed before joining; a BeginJoin hears of it in the next Poll.
  void EndAttempt() {
    DropHostLink(TMode::None);
    FSelf = {};
    if (FJoinAs) FJoinEnded = false;
    FJoinAs.reset();
  }

  // Finds the host at the set address (an IPv4 or IPv6 literal, or a name for the system's
  // resolver) and asks it for its sessions, without waiting: the handlers go on to Listed.
  void StartConnect() {
    DropHostLink(TMode::Connecting);
    FQueue.clear();
    asio::error_code error;
    const asio::ip::address address = asio::ip::make_address(FAddress, error);
    if (!error) return Connect(std::vector{tcp::endpoint(address, FSettings.Port)});
    FResolver.async_resolve(FAddress, std::to_string(FSettings.Port),
                            [this, attempt = FAttempt](asio::error_code error, tcp::resolver::results_type results) {
                              if (attempt != FAttempt) return;
                              if (error || results.empty()) return EndAttempt();
                              Connect(results);
                            });
  }

  // Tries the addresses in turn: a name may give several.
  template <typename TEndpoints>
  void Connect(const TEndpoints& endpoints) {
    FConnecting = std::make_shared<tcp::socket>(FContext);
    const auto connected = [this, socket = FConnecting, attempt = FAttempt](asio::error_code error,
                                                                            const tcp::endpoint&) {
      if (attempt != FAttempt) return;
      FConnecting.reset();
      if (error) return EndAttempt();
      FHostLink = std::make_shared<TLink>(std::move(*socket), FSettings.MaxQueuedBytes);
      FHostLink->Start([this](std::string_view payload) { return OnHostPayload(payload); }, [this] { OnHostClosed(); });
      FHostLink->Write(HelloFrame());
    };
    asio::async_connect(*FConnecting, endpoints, connected);
  }

  // Connects to the set address and lists its sessions, keeping the connection for Join.
  bool ListSessions() {
    if (FMode == TMode::Host || FMode == TMode::Joined || FJoinAs) return false;
    StartConnect();
    WaitFor([&] { return FMode != TMode::Connecting; });
    if (FMode == TMode::Listed) return true;
    EndAttempt();
    return false;
  }

  // Asks the host that listed its sessions to take this machine into one of them.
  bool RequestJoin(std::string_view sessionName, std::string_view playerName) {
    if (std::find(FSessionNames.begin(), FSessionNames.end(), sessionName) == FSessionNames.end()) return false;
    FSelf = {0, std::string(playerName)};
    FMode = TMode::Joining;
    FHostLink->Write(JoinFrame(sessionName, playerName));
    return true;
  }

  bool OnHostPayload(std::string_view payload) {
    const std::optional<TFrame> frame = SplitPayload(payload);
    if (!frame) return false;
    switch (FMode) {
      case TMode::Connecting: {
        if (frame->Type != TFrameType::Sessions) return false;
        std::optional<std::vector<std::string>> names = ParseSessions(frame->Body);
        if (!names) return false;
        FSessionNames = std::move(*names);
        FMode = TMode::Listed;
        // A host with no session to join is as good as none.
        if (FJoinAs) return !FSessionNames.empty() && RequestJoin(FSessionNames.front(), *FJoinAs);
        return true;
      }
      case TMode::Joining: {
        if (frame->Type != TFrameType::Joined) return false;
        std::optional<TJoinedReply> reply = ParseJoined(frame->Body);
        if (!reply) return false;
        FSelf.Id = reply->Self;
        FMembers = std::move(reply->Players);
        FMode = TMode::Joined;
        FLossAnnounced = false;
        FNextKeepAlive = {};  // the first at once: the host learns early that this one answers
        if (FIdentity != 0) FHostLink->Write(IdentityFrame(FIdentity));
        if (FJoinAs) FJoinEnded = true;
        FJoinAs.reset();
        return true;
      }
      case TMode::Joined: return OnSessionFrame(*frame);
      default: return false;
    }
  }

  bool OnSessionFrame(const TFrame& frame) {
    switch (frame.Type) {
      case TFrameType::PlayerAdded: {
        const std::optional<TSessionPlayer> player = ParsePlayerAdded(frame.Body);
        if (!player) return false;
        FMembers.push_back(*player);
        FQueue.push_back(TAddedEvent{*player});
        return true;
      }
      case TFrameType::PlayerRemoved: {
        const std::optional<TSessionPlayerId> id = ParsePlayerRemoved(frame.Body);
        if (!id) return false;
        std::erase_if(FMembers, [&](const TSessionPlayer& member) { return member.Id == *id; });
        return true;
      }
      case TFrameType::Message: {
        std::optional<TMessageFrame> message = ParseMessage(frame.Body);
        if (!message) return false;
        FHostQuiet = message->Peer == KeepAlivePeer && SaysQuiet(message->Block);
        if (message->Peer == KeepAlivePeer) {
          FHostKeepsAlive = true;
          return true;
        }
        if (message->Peer == NoticePeer) {
          FQueue.push_back(TNoticeEvent{std::move(message->Block)});
          return true;
        }
        FQueue.push_back(TMessageEvent{message->Peer, FSelf.Id, std::move(message->Block)});
        return true;
      }
      default: return false;
    }
  }

  // The host is gone: the session ends; what arrived before it went is still handed out.
  void OnHostClosed() {
    if (FMode == TMode::Joined) return DropHostLink(TMode::Lost);
    EndAttempt();
  }

  std::vector<std::string> EnumSessions() {
    if (!ListSessions()) return {};
    return FSessionNames;
  }

  bool Join(std::string_view sessionName, std::string_view playerName) {
    if (FMode == TMode::Host || FMode == TMode::Joined || FJoinAs) return false;
    if (FMode != TMode::Listed && !ListSessions()) return false;
    if (!RequestJoin(sessionName, playerName)) return false;
    WaitFor([&] { return FMode != TMode::Joining; });
    if (FMode != TMode::Joined) {
      EndAttempt();
      return false;
    }
    AnnounceSelf();
    return true;
  }

  bool BeginJoin(std::string_view playerName) {
    if (FMode == TMode::Host || FMode == TMode::Joined || FJoinAs) return false;
    StartConnect();
    FJoinAs = std::string(playerName);
    FJoinDeadline = TClock::now() + FSettings.WaitLimit;
    return true;
  }

  void CancelJoin() {
    if (!FJoinAs) return;
    FJoinAs.reset();
    DropHostLink(TMode::None);
    FSelf = {};
  }
};

TTcpSession::TTcpSession(TTcpSessionSettings settings) : FImpl(std::make_unique<TImpl>(std::move(settings))) {}

TTcpSession::~TTcpSession() = default;

void TTcpSession::SetEvents(ISessionEvents* events) { FImpl->FEvents = events; }

std::vector<std::string> TTcpSession::Providers() const { return {std::string(ProviderName)}; }

bool TTcpSession::SelectProvider(std::string_view name) { return name == ProviderName; }

void TTcpSession::SetAddress(std::string address) { FImpl->FAddress = std::move(address); }

bool TTcpSession::Host(std::string_view sessionName, std::string_view playerName) {
  return FImpl->Host(sessionName, playerName);
}

std::vector<std::string> TTcpSession::EnumSessions() { return FImpl->EnumSessions(); }

bool TTcpSession::Join(std::string_view sessionName, std::string_view playerName) {
  return FImpl->Join(sessionName, playerName);
}

bool TTcpSession::BeginJoin(std::string_view playerName) { return FImpl->BeginJoin(playerName); }

void TTcpSession::CancelJoin() { FImpl->CancelJoin(); }

bool TTcpSession::Active() const { return FImpl->Active(); }

std::vector<TSessionPlayer> TTcpSession::Players() const {
  if (FImpl->FMode == TImpl::TMode::Host) return FImpl->HostPlayers();
  if (FImpl->FMode == TImpl::TMode::Joined) return FImpl->FMembers;
  return {};
}

void TTcpSession::Send(TSessionPlayerId to, std::string_view block) { FImpl->Send(to, block); }

void TTcpSession::SetIdentity(std::uint64_t identity) { FImpl->FIdentity = identity; }

void TTcpSession::SendNotice(TSessionPlayerId to, std::string_view block) { FImpl->SendNotice(to, block); }

void TTcpSession::GoQuiet() { FImpl->GoQuiet(); }

void TTcpSession::Poll() { FImpl->Poll(); }

void TTcpSession::Close() { FImpl->Close(); }

std::uint16_t TTcpSession::HostPort() const { return FImpl->HostPort(); }
