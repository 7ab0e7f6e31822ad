#pragma once
// The events of an HTTP transfer and the status text the update window
// shows for each. Both HTTP clients (the real one and the test fake) report
// their events through HttpEvents::status with these texts.

#include <string>

namespace lrv {

enum class HttpEvent {
  HostResolved,      // "Поиск сервера..."
  Connected,         // "Подключение..."
  RequestSending,    // "Запрос на загрузку..."
  Authentication,    // "Аутентификация..."
  Redirect,          // "Перенаправление..."
  PacketReceived,    // "Загрузка..."
  Success,           // "Успешная загрузка"
  Failure,           // "Ошибка загрузки!"
  ConnectionFailed,  // "Не удалось подключиться!"
  InvalidHost,       // "Неверный адрес сервера!"
  Disconnected,      // "Отключились"
};

// UTF-8.
const std::string& HttpEventText(HttpEvent event);

}  // namespace lrv
