#include "platform/http_events.h"

namespace lrv {

const std::string& HttpEventText(HttpEvent event) {
  static const std::string kTexts[] = {
      "Поиск сервера...",     "Подключение...",           "Запрос на загрузку...",
      "Аутентификация...",    "Перенаправление...",       "Загрузка...",
      "Успешная загрузка",    "Ошибка загрузки!",         "Не удалось подключиться!",
      "Неверный адрес сервера!", "Отключились",
  };
  return kTexts[static_cast<int>(event)];
}

}  // namespace lrv
