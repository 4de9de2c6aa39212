#pragma once

#include <span>
#include <variant>

#include "ui/geometry.h"
#include "ui/icon.h"
#include "ui/messages.h"

// A dialog's message table: rows of (message, notification code, control id,
// handler), looked up in order. The code and the id only count for WM_COMMAND
// and WM_NOTIFY; every other message matches by its number alone.
//
//     bool CMainDlg::onMessage(ui::Message& message) {
//         static constexpr ui::MessageEntry<CMainDlg> table[] = {
//             {ui::WM_SYSCOMMAND, 0, 0, &CMainDlg::onSysCommand},
//             {ui::WM_COMMAND, ui::BN_CLICKED, ui::ID_APP_EXIT, &CMainDlg::onQuit},
//         };
//         return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
//     }

namespace ui {

// One message on its way to a dialog. `code` and `controlId` are filled for
// WM_COMMAND (notification code, control id) and WM_NOTIFY (from the header).
struct Message {
    MessageId id = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    int code = 0;
    int controlId = 0;
    MessageResult result = 0;
};

// The handler shapes, one per kind of message.
template <class D>
using CommandHandler = void (D::*)();  // WM_COMMAND, WM_PAINT
template <class D>
using NotifyHandler = void (D::*)(NotifyHeader& header, MessageResult& result);  // WM_NOTIFY
template <class D>
using SysCommandHandler = void (D::*)(unsigned id, LParam position);  // WM_SYSCOMMAND
template <class D>
using IconHandler = Icon (D::*)();  // WM_QUERYDRAGICON
template <class D>
using MouseHandler = void (D::*)(unsigned flags, Point at);  // WM_LBUTTONUP, client cells

template <class D>
using MessageHandler = std::variant<CommandHandler<D>, NotifyHandler<D>, SysCommandHandler<D>,
                                    IconHandler<D>, MouseHandler<D>>;

template <class D>
struct MessageEntry {
    MessageId message = 0;
    int code = 0;
    int controlId = 0;
    MessageHandler<D> handler;

    constexpr bool matches(const Message& m) const {
        if (message != m.id)
            return false;
        if (message == WM_COMMAND || message == WM_NOTIFY)
            return code == m.code && controlId == m.controlId;
        return true;
    }
};

// Calls the first matching row's handler; false when no row matches.
template <class D>
bool dispatchMessage(D& dialog, std::span<const MessageEntry<D>> table, Message& message) {
    for (const MessageEntry<D>& entry : table) {
        if (!entry.matches(message))
            continue;
        std::visit(
            [&](auto handler) {
                using H = decltype(handler);
                if constexpr (std::is_same_v<H, CommandHandler<D>>) {
                    (dialog.*handler)();
                } else if constexpr (std::is_same_v<H, NotifyHandler<D>>) {
                    NotifyHeader fallback{message.controlId, message.code};
                    auto* header = message.lParam != 0
                                       ? reinterpret_cast<NotifyHeader*>(message.lParam)
                                       : &fallback;
                    (dialog.*handler)(*header, message.result);
                } else if constexpr (std::is_same_v<H, SysCommandHandler<D>>) {
                    (dialog.*handler)(static_cast<unsigned>(message.wParam), message.lParam);
                } else if constexpr (std::is_same_v<H, IconHandler<D>>) {
                    message.result = (dialog.*handler)().resource;
                } else {
                    (dialog.*handler)(static_cast<unsigned>(message.wParam),
                                      Point{static_cast<short>(lowWord(message.lParam)),
                                            static_cast<short>(highWord(message.lParam))});
                }
            },
            entry.handler);
        return true;
    }
    return false;
}

template <class D, std::size_t N>
bool dispatchMessage(D& dialog, const MessageEntry<D> (&table)[N], Message& message) {
    return dispatchMessage(dialog, std::span<const MessageEntry<D>>(table, N), message);
}

// The application object's command table: (command id, handler).
template <class A>
struct CommandEntry {
    int id = 0;
    void (A::*handler)() = nullptr;
};

template <class A, std::size_t N>
bool dispatchCommand(A& app, const CommandEntry<A> (&table)[N], int id) {
    for (const CommandEntry<A>& entry : table) {
        if (entry.id != id)
            continue;
        (app.*entry.handler)();
        return true;
    }
    return false;
}

}  // namespace ui
