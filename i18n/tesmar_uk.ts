<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>Tesmar</name>
    <message>
        <source>Tesmar %1 (сборка %2, Qt %3)</source>
        <translation>Tesmar %1 (збірка %2, Qt %3)</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>&lt;b&gt;ПО Tesmar (вер. 5.89D3 12.04.2016)&lt;/b&gt;&lt;br&gt;Сервис и тест фискальных регистраторов.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;ПЗ Tesmar (вер. 5.89D3 12.04.2016)&lt;/b&gt;&lt;br&gt;Сервіс і тест фіскальних реєстраторів.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>   Модель:</source>
        <translation>   Модель:</translation>
    </message>
    <message>
        <source>,    Версия:</source>
        <translation>,    Версія:</translation>
    </message>
    <message>
        <source>Тест команд</source>
        <translation>Тест команд</translation>
    </message>
    <message>
        <source>Информация о свободных ресурсах и статусе</source>
        <translation>Інформація про вільні ресурси та статус</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Про програму...</translation>
    </message>
    <message>
        <source>Журнал обмена</source>
        <translation>Журнал обміну</translation>
    </message>
    <message>
        <source>Команды</source>
        <translation>Команди</translation>
    </message>
    <message>
        <source>В поле &quot;</source>
        <translation>У полі &quot;</translation>
    </message>
    <message>
        <source>&quot; должно быть целое число от </source>
        <translation>&quot; має бути ціле число від </translation>
    </message>
    <message>
        <source> до </source>
        <translation> до </translation>
    </message>
    <message>
        <source>. Команда не отправлена!</source>
        <translation>. Команду не надіслано!</translation>
    </message>
    <message>
        <source>Состояние регистратора</source>
        <translation>Стан реєстратора</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Код ошибки:</source>
        <translation>Код помилки:</translation>
    </message>
    <message>
        <source>Информация переданная регистратором неверна. Чтение данных остановлено.</source>
        <translation>Інформація, передана реєстратором, неправильна. Читання даних зупинено.</translation>
    </message>
    <message>
        <source>Код команды:</source>
        <translation>Код команди:</translation>
    </message>
    <message>
        <source>Командная строка:</source>
        <translation>Командний рядок:</translation>
    </message>
    <message>
        <source>Пароль: </source>
        <translation>Пароль: </translation>
    </message>
    <message>
        <source>Результат выполнения команды:</source>
        <translation>Результат виконання команди:</translation>
    </message>
    <message>
        <source>Статус регистратора:</source>
        <translation>Статус реєстратора:</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Виконати</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>   Тест команд:  </source>
        <translation>   Тест команд:  </translation>
    </message>
    <message>
        <source>Неверный код команды</source>
        <translation>Неправильний код команди</translation>
    </message>
    <message>
        <source>Подключить</source>
        <translation>Підключити</translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation>Відключити</translation>
    </message>
    <message>
        <source>Невозможно подключить порт</source>
        <translation>Неможливо підключити порт</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка!</source>
        <translation>Таймаут пристрою! Помилка!</translation>
    </message>
    <message>
        <source>Таймаут устройства - регистратор не подключен!</source>
        <translation>Таймаут пристрою - реєстратор не підключено!</translation>
    </message>
    <message>
        <source>Проверка состояния регистратора</source>
        <translation>Перевірка стану реєстратора</translation>
    </message>
    <message>
        <source> Сервис.реж.</source>
        <translation> Сервіс.реж.</translation>
    </message>
    <message>
        <source>   Порт и скорость не сохранены в </source>
        <translation>   Порт і швидкість не збережено в </translation>
    </message>
    <message>
        <source>Cостояния регистратора (ошибка выполнения команды)</source>
        <translation>Стан реєстратора (помилка виконання команди)</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Код</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Расшифровка</source>
        <translation>Розшифровка</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Повторов</source>
        <translation>Повторів</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>ответ не ожидается</source>
        <translation>відповідь не очікується</translation>
    </message>
    <message>
        <source>все</source>
        <translation>усі</translation>
    </message>
    <message>
        <source>Только ошибки</source>
        <translation>Тільки помилки</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Код:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <source>Запрос:
</source>
        <translation>Запит:
</translation>
    </message>
    <message>
        <source>
Ответ:
</source>
        <translation>
Відповідь:
</translation>
    </message>
    <message>
        <source>(нет ответа)
</source>
        <translation>(немає відповіді)
</translation>
    </message>
    <message>
        <source>Сохранить журнал обмена</source>
        <translation>Зберегти журнал обміну</translation>
    </message>
    <message>
        <source>Журнал обмена не сохранен в </source>
        <translation>Журнал обміну не збережено в </translation>
    </message>
    <message>
        <source>Продажа</source>
        <translation>Продаж</translation>
    </message>
    <message>
        <source>Программировать товары</source>
        <translation>Програмувати товари</translation>
    </message>
    <message>
        <source>Фискальный чек</source>
        <translation>Фіскальний чек</translation>
    </message>
    <message>
        <source>Печать нефискального чека</source>
        <translation>Друк нефіскального чека</translation>
    </message>
    <message>
        <source>Служебное внесение и изъятие денег</source>
        <translation>Службове внесення та видача грошей</translation>
    </message>
    <message>
        <source>Аннулирование и закрытие чека</source>
        <translation>Анулювання та закриття чека</translation>
    </message>
    <message>
        <source>Запуск скрипта</source>
        <translation>Запуск скрипта</translation>
    </message>
    <message>
        <source>Отчеты</source>
        <translation>Звіти</translation>
    </message>
    <message>
        <source>Печать дневных отчетов FKP101</source>
        <translation>Друк денних звітів FKP101</translation>
    </message>
    <message>
        <source>Печать дневных отчетов</source>
        <translation>Друк денних звітів</translation>
    </message>
    <message>
        <source>Печать периодического отчета </source>
        <translation>Друк періодичного звіту </translation>
    </message>
    <message>
        <source>Отчет по реализованным товарам</source>
        <translation>Звіт про реалізовані товари</translation>
    </message>
    <message>
        <source>Печать дополнительных дневных отчетов</source>
        <translation>Друк додаткових денних звітів</translation>
    </message>
    <message>
        <source>Копия фискальных чеков по сквозным номерам</source>
        <translation>Копія фіскальних чеків за наскрізними номерами</translation>
    </message>
    <message>
        <source>Утилиты</source>
        <translation>Утиліти</translation>
    </message>
    <message>
        <source>Заголовок чека и рекламный текст</source>
        <translation>Заголовок чека та рекламний текст</translation>
    </message>
    <message>
        <source>Параметры операторов</source>
        <translation>Параметри операторів</translation>
    </message>
    <message>
        <source>Параметры оплаты</source>
        <translation>Параметри оплати</translation>
    </message>
    <message>
        <source>Пароли</source>
        <translation>Паролі</translation>
    </message>
    <message>
        <source>Загрузка логотипа</source>
        <translation>Завантаження логотипа</translation>
    </message>
    <message>
        <source>Чтение внутреннего ПО</source>
        <translation>Читання внутрішнього ПЗ</translation>
    </message>
    <message>
        <source>Фискальная память</source>
        <translation>Фіскальна пам&apos;ять</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Дата і час</translation>
    </message>
    <message>
        <source>Техническое обслуживание</source>
        <translation>Технічне обслуговування</translation>
    </message>
    <message>
        <source>Служебные счетчики</source>
        <translation>Службові лічильники</translation>
    </message>
    <message>
        <source>Тест денежного ящика</source>
        <translation>Тест грошової скриньки</translation>
    </message>
    <message>
        <source>Фискальные параметры</source>
        <translation>Фіскальні параметри</translation>
    </message>
    <message>
        <source>Установить заводской номер</source>
        <translation>Встановити заводський номер</translation>
    </message>
    <message>
        <source>Чтение и программирование</source>
        <translation>Читання та програмування</translation>
    </message>
    <message>
        <source>Параметры регистратора</source>
        <translation>Параметри реєстратора</translation>
    </message>
    <message>
        <source>Параметры удаленного доступа</source>
        <translation>Параметри віддаленого доступу</translation>
    </message>
    <message>
        <source>Параметры настройки WiFi</source>
        <translation>Параметри налаштування WiFi</translation>
    </message>
    <message>
        <source>Параметры связи с эквайером</source>
        <translation>Параметри зв&apos;язку з еквайєром</translation>
    </message>
    <message>
        <source>Позиция десятичной точки</source>
        <translation>Позиція десяткової крапки</translation>
    </message>
    <message>
        <source>Фискализация</source>
        <translation>Фіскалізація</translation>
    </message>
    <message>
        <source>Установить и прочитать ID_DEV</source>
        <translation>Встановити та прочитати ID_DEV</translation>
    </message>
    <message>
        <source>Состояние модема</source>
        <translation>Стан модема</translation>
    </message>
    <message>
        <source>Последний сеанс связи с эквайером</source>
        <translation>Останній сеанс зв&apos;язку з еквайєром</translation>
    </message>
    <message>
        <source>ПО Tesmar (вер. 5.89D3 12.04.2016)</source>
        <translation>ПЗ Tesmar (вер. 5.89D3 12.04.2016)</translation>
    </message>
    <message>
        <source>Библиотека USB </source>
        <translation>Бібліотеку USB </translation>
    </message>
    <message>
        <source> не установлена!</source>
        <translation> не встановлено!</translation>
    </message>
    <message>
        <source>Подключение к последовательному порту (включая виртуальный)</source>
        <translation>Підключення до послідовного порту (включно з віртуальним)</translation>
    </message>
    <message>
        <source>Восстановить USB</source>
        <translation>Відновити USB</translation>
    </message>
    <message>
        <source>Последовательный порт:</source>
        <translation>Послідовний порт:</translation>
    </message>
    <message>
        <source>Скорость порта (бод):</source>
        <translation>Швидкість порту (бод):</translation>
    </message>
    <message>
        <source>Подключение к USB</source>
        <translation>Підключення до USB</translation>
    </message>
    <message>
        <source>Пересканировать</source>
        <translation>Пересканувати</translation>
    </message>
    <message>
        <source>Банковский терминал</source>
        <translation>Банківський термінал</translation>
    </message>
    <message>
        <source>Проверка портов: </source>
        <translation>Перевірка портів: </translation>
    </message>
    <message>
        <source>Тестирование USB устройств: Шаг </source>
        <translation>Тестування USB пристроїв: Крок </translation>
    </message>
    <message>
        <source>Файл tsinit.ini отсутствует.
 Создание файла!</source>
        <translation>Файл tsinit.ini відсутній.
 Створення файлу!</translation>
    </message>
    <message>
        <source>Подтверждение программирования</source>
        <translation>Підтвердження програмування</translation>
    </message>
    <message>
        <source>Запрограммировать фискальный номер</source>
        <translation>Запрограмувати фіскальний номер</translation>
    </message>
    <message>
        <source>Запрограммировать идентификационный/налоговый номер РРО</source>
        <translation>Запрограмувати ідентифікаційний/податковий номер РРО</translation>
    </message>
    <message>
        <source>Запрограммировать налоги</source>
        <translation>Запрограмувати податки</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Результат операции</source>
        <translation>Результат операції</translation>
    </message>
    <message>
        <source>Фискальный номер - </source>
        <translation>Фіскальний номер - </translation>
    </message>
    <message>
        <source>Регистрационный номер - </source>
        <translation>Реєстраційний номер - </translation>
    </message>
    <message>
        <source>Ставки налогов - </source>
        <translation>Ставки податків - </translation>
    </message>
    <message>
        <source>успешно.</source>
        <translation>успішно.</translation>
    </message>
    <message>
        <source>ошибка.</source>
        <translation>помилка.</translation>
    </message>
    <message>
        <source>не программировались.</source>
        <translation>не програмувалися.</translation>
    </message>
    <message>
        <source>не программировался.</source>
        <translation>не програмувався.</translation>
    </message>
    <message>
        <source>Разрешение фискализации</source>
        <translation>Дозвіл фіскалізації</translation>
    </message>
    <message>
        <source>Разрешение записи заводского номера </source>
        <translation>Дозвіл запису заводського номера </translation>
    </message>
    <message>
        <source>Разрешение записи фискального номера </source>
        <translation>Дозвіл запису фіскального номера </translation>
    </message>
    <message>
        <source>Разрешение записи налогового номера</source>
        <translation>Дозвіл запису податкового номера</translation>
    </message>
    <message>
        <source>Разрешение записи комплекта налоговых ставок</source>
        <translation>Дозвіл запису комплекту податкових ставок</translation>
    </message>
    <message>
        <source>Разрешение записи пароля доступа к ФП</source>
        <translation>Дозвіл запису пароля доступу до ФП</translation>
    </message>
    <message>
        <source>Количество аварийных обнулений:</source>
        <translation>Кількість аварійних обнулень:</translation>
    </message>
    <message>
        <source>Свободно фискальных отчетов:</source>
        <translation>Вільно фіскальних звітів:</translation>
    </message>
    <message>
        <source>Дата открытия смены:</source>
        <translation>Дата відкриття зміни:</translation>
    </message>
    <message>
        <source>Время открытия смены:</source>
        <translation>Час відкриття зміни:</translation>
    </message>
    <message>
        <source>Свободно записей в базе товаров:</source>
        <translation>Вільно записів у базі товарів:</translation>
    </message>
    <message>
        <source>Свободно чеков:</source>
        <translation>Вільно чеків:</translation>
    </message>
    <message>
        <source>Сделать отчет</source>
        <translation>Зробити звіт</translation>
    </message>
    <message>
        <source>Информация о свободных ресурсах и статусе - Успешно!</source>
        <translation>Інформація про вільні ресурси та статус - Успішно!</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 0 (общее состояние)</source>
        <translation>Статус реєстратора - байт 0 (загальний стан)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 1 (состояние принтера)</source>
        <translation>Статус реєстратора - байт 1 (стан принтера)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 2 (состояние чека)</source>
        <translation>Статус реєстратора - байт 2 (стан чека)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 3 (состояние переключателей)</source>
        <translation>Статус реєстратора - байт 3 (стан перемикачів)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 4 (фискальная память)</source>
        <translation>Статус реєстратора - байт 4 (фіскальна пам&apos;ять)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 5 (фискальная память)</source>
        <translation>Статус реєстратора - байт 5 (фіскальна пам&apos;ять)</translation>
    </message>
    <message>
        <source>(1) Регистратор находится в сервисном режиме</source>
        <translation>(1) Реєстратор перебуває в сервісному режимі</translation>
    </message>
    <message>
        <source>(2) Буфер документа близок к концу</source>
        <translation>(2) Буфер документа близький до заповнення</translation>
    </message>
    <message>
        <source>(4) Дата/ время не установлены после обнуления ОЗУ</source>
        <translation>(4) Дату/час не встановлено після обнулення ОЗП</translation>
    </message>
    <message>
        <source>(8) Дисплей не подключен</source>
        <translation>(8) Дисплей не підключено</translation>
    </message>
    <message>
        <source>(10) Механизм печатающего устройства неисправен</source>
        <translation>(10) Механізм друкувального пристрою несправний</translation>
    </message>
    <message>
        <source>(20) Для новых настроек необходимо перегрузить ЭККР</source>
        <translation>(20) Для нових налаштувань необхідно перезавантажити ЕККР</translation>
    </message>
    <message>
        <source>(40) Другие ошибки оборудования</source>
        <translation>(40) Інші помилки обладнання</translation>
    </message>
    <message>
        <source>(80) Всегда установлен</source>
        <translation>(80) Завжди встановлено</translation>
    </message>
    <message>
        <source>(1) Заканчивается чековая лента (для  Datecs FP-T260)</source>
        <translation>(1) Закінчується чекова стрічка (для  Datecs FP-T260)</translation>
    </message>
    <message>
        <source>(2) Заканчивается контрольная лента (для  Datecs FP-T260)</source>
        <translation>(2) Закінчується контрольна стрічка (для  Datecs FP-T260)</translation>
    </message>
    <message>
        <source>(4) Закончилась чековая лента</source>
        <translation>(4) Закінчилася чекова стрічка</translation>
    </message>
    <message>
        <source>(8) Закончилась контрольная лента</source>
        <translation>(8) Закінчилася контрольна стрічка</translation>
    </message>
    <message>
        <source>(10) Открыта крышка принтера</source>
        <translation>(10) Відкрито кришку принтера</translation>
    </message>
    <message>
        <source>(20) Осуществляется ручная протяжка бумаги</source>
        <translation>(20) Виконується ручна протяжка паперу</translation>
    </message>
    <message>
        <source>(40) Буфер принтера не пуст (есть еще не распечатанные данные)</source>
        <translation>(40) Буфер принтера не порожній (є ще не надруковані дані)</translation>
    </message>
    <message>
        <source>(1) Состояние чека</source>
        <translation>(1) Стан чека</translation>
    </message>
    <message>
        <source>(2) Состояние чека</source>
        <translation>(2) Стан чека</translation>
    </message>
    <message>
        <source>(4) Состояние чека</source>
        <translation>(4) Стан чека</translation>
    </message>
    <message>
        <source>(8) Текущее состояние чека</source>
        <translation>(8) Поточний стан чека</translation>
    </message>
    <message>
        <source>(10) Открыт чек возврата</source>
        <translation>(10) Відкрито чек повернення</translation>
    </message>
    <message>
        <source>(20) Резерв</source>
        <translation>(20) Резерв</translation>
    </message>
    <message>
        <source>(40) Резерв</source>
        <translation>(40) Резерв</translation>
    </message>
    <message>
        <source>(4) Автономный режим работы</source>
        <translation>(4) Автономний режим роботи</translation>
    </message>
    <message>
        <source>(8) Резерв</source>
        <translation>(8) Резерв</translation>
    </message>
    <message>
        <source>(10) Резерв</source>
        <translation>(10) Резерв</translation>
    </message>
    <message>
        <source>(20) Версия внутреннего ПО не активирована</source>
        <translation>(20) Версію внутрішнього ПЗ не активовано</translation>
    </message>
    <message>
        <source>(40) Связь с WiFi модулем</source>
        <translation>(40) Зв&apos;язок з WiFi модулем</translation>
    </message>
    <message>
        <source>(1) Заводской номер запрограммирован</source>
        <translation>(1) Заводський номер запрограмовано</translation>
    </message>
    <message>
        <source>(2) Регистратор фискализирован</source>
        <translation>(2) Реєстратор фіскалізовано</translation>
    </message>
    <message>
        <source>(4) В ФП места менее чем на 30 отчетов</source>
        <translation>(4) У ФП місця менше ніж на 30 звітів</translation>
    </message>
    <message>
        <source>(8) Фискальная память переполнена</source>
        <translation>(8) Фіскальна пам&apos;ять переповнена</translation>
    </message>
    <message>
        <source>(10) ID_DEV установлен</source>
        <translation>(10) ID_DEV встановлено</translation>
    </message>
    <message>
        <source>(20) Регистратор персонализирован</source>
        <translation>(20) Реєстратор персоналізовано</translation>
    </message>
    <message>
        <source>(40) Возникла ошибка фискальной памяти (CRC)</source>
        <translation>(40) Виникла помилка фіскальної пам&apos;яті (CRC)</translation>
    </message>
    <message>
        <source>(1) Резерв</source>
        <translation>(1) Резерв</translation>
    </message>
    <message>
        <source>(2) Резерв</source>
        <translation>(2) Резерв</translation>
    </message>
    <message>
        <source>(4) Низкий заряд батареи</source>
        <translation>(4) Низький заряд батареї</translation>
    </message>
    <message>
        <source>(8) Сработало оповещение</source>
        <translation>(8) Спрацювало сповіщення</translation>
    </message>
    <message>
        <source>(10) Смена открыта</source>
        <translation>(10) Зміну відкрито</translation>
    </message>
    <message>
        <source>(20) Часы нуждаются в корректировке</source>
        <translation>(20) Годинник потребує коригування</translation>
    </message>
    <message>
        <source>(40) До конца смены(24 часа) осталось меньше 60 минут</source>
        <translation>(40) До кінця зміни(24 години) залишилося менше 60 хвилин</translation>
    </message>
    <message>
        <source>0. Документ закрыт</source>
        <translation>0. Документ закрито</translation>
    </message>
    <message>
        <source>1. Отпечатан заголовок чека</source>
        <translation>1. Надруковано заголовок чека</translation>
    </message>
    <message>
        <source>2. Выполнена операция продажи</source>
        <translation>2. Виконано операцію продажу</translation>
    </message>
    <message>
        <source>3. Состояние оплаты</source>
        <translation>3. Стан оплати</translation>
    </message>
    <message>
        <source>4. Завершение</source>
        <translation>4. Завершення</translation>
    </message>
    <message>
        <source>5. Произвольный текстовый документ открыт</source>
        <translation>5. Довільний текстовий документ відкрито</translation>
    </message>
    <message>
        <source>6. Произведена скидка/надбавка на сумму</source>
        <translation>6. Виконано знижку/надбавку на суму</translation>
    </message>
    <message>
        <source>7. Открыт чек  внесения/изъятия</source>
        <translation>7. Відкрито чек  внесення/видачі</translation>
    </message>
    <message>
        <source>8. Резерв</source>
        <translation>8. Резерв</translation>
    </message>
    <message>
        <source>9. Режим АННУЛИРОВАНИЕ</source>
        <translation>9. Режим АНУЛЮВАННЯ</translation>
    </message>
    <message>
        <source>Байты состояния регистратора</source>
        <translation>Байти стану реєстратора</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>(1)Блокировка 72 часа, данные не переданы</source>
        <translation>(1)Блокування 72 години, дані не передано</translation>
    </message>
    <message>
        <source>(2)Не все чеки переданы в модем, база товаров не обнулена</source>
        <translation>(2)Не всі чеки передано в модем, базу товарів не обнулено</translation>
    </message>
    <message>
        <source>Лента</source>
        <translation>Стрічка</translation>
    </message>
    <message>
        <source>Сохранить PNG</source>
        <translation>Зберегти PNG</translation>
    </message>
    <message>
        <source>Сохранить ленту</source>
        <translation>Зберегти стрічку</translation>
    </message>
    <message>
        <source>Лента не сохранена в </source>
        <translation>Стрічку не збережено в </translation>
    </message>
    <message>
        <source>Язык интерфейса (со следующего запуска)</source>
        <translation>Мова інтерфейсу (з наступного запуску)</translation>
    </message>
    <message>
        <source>Язык интерфейса изменится при следующем запуске программы.</source>
        <translation>Мова інтерфейсу зміниться під час наступного запуску програми.</translation>
    </message>
    <message>
        <source>Не удалось записать %1: %2</source>
        <translation>Не вдалося записати %1: %2</translation>
    </message>
    <message>
        <source>Переменные</source>
        <translation>Змінні</translation>
    </message>
    <message>
        <source>Поле &quot;</source>
        <translation>Поле &quot;</translation>
    </message>
    <message>
        <source>&quot;: символы &quot;</source>
        <translation>&quot;: символи &quot;</translation>
    </message>
    <message>
        <source>&quot; не передаются регистратору (кодировка Windows-1251). Команда не отправлена!</source>
        <translation>&quot; не передаються реєстратору (кодування Windows-1251). Команду не надіслано!</translation>
    </message>
    <message>
        <source>Команда 20h: Установка даты и времени</source>
        <translation>Команда 20h: Встановлення дати та часу</translation>
    </message>
    <message>
        <source>Команда 21h: Чтение даты и времени</source>
        <translation>Команда 21h: Читання дати та часу</translation>
    </message>
    <message>
        <source>Параметров нет</source>
        <translation>Параметрів немає</translation>
    </message>
    <message>
        <source>Команда 22h: Программирование заголовка и окончания документа</source>
        <translation>Команда 22h: Програмування заголовка та закінчення документа</translation>
    </message>
    <message>
        <source>&lt;номер строки&gt;;&lt;текст&gt;;</source>
        <translation>&lt;номер рядка&gt;;&lt;текст&gt;;</translation>
    </message>
    <message>
        <source>Команда 23h: Чтение заголовка и окончания документа</source>
        <translation>Команда 23h: Читання заголовка та закінчення документа</translation>
    </message>
    <message>
        <source>&lt;номер строки&gt;;</source>
        <translation>&lt;номер рядка&gt;;</translation>
    </message>
    <message>
        <source>Команда 24h: Добавление товара</source>
        <translation>Команда 24h: Додавання товару</translation>
    </message>
    <message>
        <source>&lt;код товара&gt;;&lt;наименование&gt;;&lt;цена&gt;;&lt;налоговая группа&gt;;&lt;номер отдела&gt;;</source>
        <translation>&lt;код товару&gt;;&lt;найменування&gt;;&lt;ціна&gt;;&lt;податкова група&gt;;&lt;номер відділу&gt;;</translation>
    </message>
    <message>
        <source>Команда 25h: Поиск индекса товара</source>
        <translation>Команда 25h: Пошук індексу товару</translation>
    </message>
    <message>
        <source>&lt;код товара&gt;;</source>
        <translation>&lt;код товару&gt;;</translation>
    </message>
    <message>
        <source>Команда 26h: Чтение параметров товара по индексу</source>
        <translation>Команда 26h: Читання параметрів товару за індексом</translation>
    </message>
    <message>
        <source>&lt;индекс товара&gt;;</source>
        <translation>&lt;індекс товару&gt;;</translation>
    </message>
    <message>
        <source>Команда 27h: Программирование параметров регистратора</source>
        <translation>Команда 27h: Програмування параметрів реєстратора</translation>
    </message>
    <message>
        <source>&lt;скор.&gt;;&lt;контр.печ.&gt;;&lt;парам. док.&gt;;&lt;лог.польз.&gt;;&lt;имп.ден.ящика&gt;;&lt;обн.баз.тов.&gt;;</source>
        <translation>&lt;швидк.&gt;;&lt;контр.друк.&gt;;&lt;парам. док.&gt;;&lt;лог.корист.&gt;;&lt;імп.грош.скриньки&gt;;&lt;обн.баз.тов.&gt;;</translation>
    </message>
    <message>
        <source>Команда 28h: Получение параметров регистратора</source>
        <translation>Команда 28h: Отримання параметрів реєстратора</translation>
    </message>
    <message>
        <source>Команда 29h: Установка логотипа пользователя</source>
        <translation>Команда 29h: Встановлення логотипа користувача</translation>
    </message>
    <message>
        <source>&lt;номер линии&gt;;&lt;содержание линии(пикселы упак. в байты)&gt;;</source>
        <translation>&lt;номер лінії&gt;;&lt;вміст лінії(пікселі упак. у байти)&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Bh: Установить пароли Режимов</source>
        <translation>Команда 2Bh: Встановити паролі Режимів</translation>
    </message>
    <message>
        <source>&lt;пароль ручных отчетов&gt;;&lt;пароль прогр.&gt;;&lt;пароль отчетов&gt;;&lt;пароль администратора&gt;;</source>
        <translation>&lt;пароль ручних звітів&gt;;&lt;пароль прогр.&gt;;&lt;пароль звітів&gt;;&lt;пароль адміністратора&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Ch: Сбросить пароль Оператора</source>
        <translation>Команда 2Ch: Скинути пароль Оператора</translation>
    </message>
    <message>
        <source>&lt;индекс оператора&gt;;</source>
        <translation>&lt;індекс оператора&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Dh: Установка параметров оплаты</source>
        <translation>Команда 2Dh: Встановлення параметрів оплати</translation>
    </message>
    <message>
        <source>&lt;номер оплаты&gt;;&lt;маска разрешений&gt;;&lt;наименование&gt;;</source>
        <translation>&lt;номер оплати&gt;;&lt;маска дозволів&gt;;&lt;найменування&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Eh: Чтение параметров оплаты</source>
        <translation>Команда 2Eh: Читання параметрів оплати</translation>
    </message>
    <message>
        <source>&lt;номер оплаты&gt;;</source>
        <translation>&lt;номер оплати&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Fh: Установка параметров оператора</source>
        <translation>Команда 2Fh: Встановлення параметрів оператора</translation>
    </message>
    <message>
        <source>&lt;индекс оператора&gt;;&lt;пароль&gt;;&lt;имя&gt;;</source>
        <translation>&lt;індекс оператора&gt;;&lt;пароль&gt;;&lt;ім&apos;я&gt;;</translation>
    </message>
    <message>
        <source>Команда 30h: Чтение параметров оператора</source>
        <translation>Команда 30h: Читання параметрів оператора</translation>
    </message>
    <message>
        <source>Команда 40h: Фискализация</source>
        <translation>Команда 40h: Фіскалізація</translation>
    </message>
    <message>
        <source>&lt;заводской номер&gt;;</source>
        <translation>&lt;заводський номер&gt;;</translation>
    </message>
    <message>
        <source>Команда 41h: Программирование заводского номера</source>
        <translation>Команда 41h: Програмування заводського номера</translation>
    </message>
    <message>
        <source>Команда 42h: Чтение заводского номера</source>
        <translation>Команда 42h: Читання заводського номера</translation>
    </message>
    <message>
        <source>Команда 43h: Программирование фискального номера</source>
        <translation>Команда 43h: Програмування фіскального номера</translation>
    </message>
    <message>
        <source>&lt;фискальный номер&gt;</source>
        <translation>&lt;фіскальний номер&gt;</translation>
    </message>
    <message>
        <source>Команда 44h: Чтение фискального номера</source>
        <translation>Команда 44h: Читання фіскального номера</translation>
    </message>
    <message>
        <source>Команда 45h: Программирование налогового/идентификационного номера</source>
        <translation>Команда 45h: Програмування податкового/ідентифікаційного номера</translation>
    </message>
    <message>
        <source>&lt;налоговый/идентификационный номер&gt;;&lt;тип номера&gt;;</source>
        <translation>&lt;податковий/ідентифікаційний номер&gt;;&lt;тип номера&gt;;</translation>
    </message>
    <message>
        <source>Команда 46h: Чтение налогового/идентификационного номера</source>
        <translation>Команда 46h: Читання податкового/ідентифікаційного номера</translation>
    </message>
    <message>
        <source>&lt;Параметров нет&gt;</source>
        <translation>&lt;Параметрів немає&gt;</translation>
    </message>
    <message>
        <source>Команда 47h: Установка налоговых ставок</source>
        <translation>Команда 47h: Встановлення податкових ставок</translation>
    </message>
    <message>
        <source>&lt;номер налога&gt;;&lt;маска&gt;;&lt;значение налога&gt;;&lt;наименование&gt;;</source>
        <translation>&lt;номер податку&gt;;&lt;маска&gt;;&lt;значення податку&gt;;&lt;найменування&gt;;</translation>
    </message>
    <message>
        <source>Команда 48h: Чтение налоговых ставок</source>
        <translation>Команда 48h: Читання податкових ставок</translation>
    </message>
    <message>
        <source>&lt;номер налога&gt;;</source>
        <translation>&lt;номер податку&gt;;</translation>
    </message>
    <message>
        <source>Команда 60h: Открытие нефискального чека</source>
        <translation>Команда 60h: Відкриття нефіскального чека</translation>
    </message>
    <message>
        <source>Команда 61h: Печать текста</source>
        <translation>Команда 61h: Друк тексту</translation>
    </message>
    <message>
        <source>&lt;текст&gt;;</source>
        <translation>&lt;текст&gt;;</translation>
    </message>
    <message>
        <source>Команда 62h: Закрытие нефискального чека</source>
        <translation>Команда 62h: Закриття нефіскального чека</translation>
    </message>
    <message>
        <source>Команда 63h: Открытие фискального чека</source>
        <translation>Команда 63h: Відкриття фіскального чека</translation>
    </message>
    <message>
        <source>&lt;Номер оператора&gt;;&lt;номер кассы&gt;;&lt;чек возврата&gt;;</source>
        <translation>&lt;Номер оператора&gt;;&lt;номер каси&gt;;&lt;чек повернення&gt;;</translation>
    </message>
    <message>
        <source>Команда 64h: Продажа запрограммированного товара</source>
        <translation>Команда 64h: Продаж запрограмованого товару</translation>
    </message>
    <message>
        <source>&lt;код товара&gt;;&lt;количество&gt;;</source>
        <translation>&lt;код товару&gt;;&lt;кількість&gt;;</translation>
    </message>
    <message>
        <source>Команда 65h: Закрытие  фискального чека</source>
        <translation>Команда 65h: Закриття  фіскального чека</translation>
    </message>
    <message>
        <source>Команда 66h: Копия чека</source>
        <translation>Команда 66h: Копія чека</translation>
    </message>
    <message>
        <source>&lt;количество копий(0-3)&gt;</source>
        <translation>&lt;кількість копій(0-3)&gt;</translation>
    </message>
    <message>
        <source>Команда 67h: Оплата</source>
        <translation>Команда 67h: Оплата</translation>
    </message>
    <message>
        <source>&lt;тип оплаты&gt;;&lt;сумма платежа&gt;;</source>
        <translation>&lt;тип оплати&gt;;&lt;сума платежу&gt;;</translation>
    </message>
    <message>
        <source>Команда 68h: Скидка/наценка на товар процентная</source>
        <translation>Команда 68h: Знижка/націнка на товар відсоткова</translation>
    </message>
    <message>
        <source>&lt;значение скидки&gt;</source>
        <translation>&lt;значення знижки&gt;</translation>
    </message>
    <message>
        <source>Команда 69h: Скидка/наценка на товар абсолютная</source>
        <translation>Команда 69h: Знижка/націнка на товар абсолютна</translation>
    </message>
    <message>
        <source>Команда 6Ah: Дополнительный налог</source>
        <translation>Команда 6Ah: Додатковий податок</translation>
    </message>
    <message>
        <source>&lt;номер налога&gt;</source>
        <translation>&lt;номер податку&gt;</translation>
    </message>
    <message>
        <source>Команда 6Bh: Аннулирования</source>
        <translation>Команда 6Bh: Анулювання</translation>
    </message>
    <message>
        <source>&lt;тип операции аннулирования(0-3)&gt;</source>
        <translation>&lt;тип операції анулювання(0-3)&gt;</translation>
    </message>
    <message>
        <source>Команда 6Ch: Скидка/наценка на сумму процентная</source>
        <translation>Команда 6Ch: Знижка/націнка на суму відсоткова</translation>
    </message>
    <message>
        <source>Команда 6Dh: Напечатать итог</source>
        <translation>Команда 6Dh: Надрукувати підсумок</translation>
    </message>
    <message>
        <source>Команда 6Eh: Внесение/выдача сумм</source>
        <translation>Команда 6Eh: Внесення/видача сум</translation>
    </message>
    <message>
        <source>&lt;номер оператора&gt;;&lt;величина служебного внесения-служебной выдачи&gt;;</source>
        <translation>&lt;номер оператора&gt;;&lt;сума службового внесення-службової видачі&gt;;</translation>
    </message>
    <message>
        <source>Команда 6Fh: Печать штрих кода</source>
        <translation>Команда 6Fh: Друк штрих-коду</translation>
    </message>
    <message>
        <source>&lt;высота кода в линиях-пикселях&gt;;&lt;линия для печати штрихкода&gt;;</source>
        <translation>&lt;висота коду в лініях-пікселях&gt;;&lt;лінія для друку штрих-коду&gt;;</translation>
    </message>
    <message>
        <source>Команда 80h: Диагностическая информация</source>
        <translation>Команда 80h: Діагностична інформація</translation>
    </message>
    <message>
        <source>Команда 81h: Вывод информации на дисплей</source>
        <translation>Команда 81h: Виведення інформації на дисплей</translation>
    </message>
    <message>
        <source>&lt;функция  (0-3)&gt;;&lt;текст&gt;;</source>
        <translation>&lt;функція  (0-3)&gt;;&lt;текст&gt;;</translation>
    </message>
    <message>
        <source>Команда 82h: Звук</source>
        <translation>Команда 82h: Звук</translation>
    </message>
    <message>
        <source>&lt;номер мелодии&gt;;</source>
        <translation>&lt;номер мелодії&gt;;</translation>
    </message>
    <message>
        <source>Команда 83h: Открытие денежного ящика</source>
        <translation>Команда 83h: Відкриття грошової скриньки</translation>
    </message>
    <message>
        <source>Команда A0h: Информация о свободных ресурсах и статусе</source>
        <translation>Команда A0h: Інформація про вільні ресурси та статус</translation>
    </message>
    <message>
        <source>Команда A1h: Печать отчетов</source>
        <translation>Команда A1h: Друк звітів</translation>
    </message>
    <message>
        <source>&lt;тип отчета (0-3)&gt;;</source>
        <translation>&lt;тип звіту (0-3)&gt;;</translation>
    </message>
    <message>
        <source>Команда A2h: Поиск отчета по дате</source>
        <translation>Команда A2h: Пошук звіту за датою</translation>
    </message>
    <message>
        <source>&lt;дата DDMMYY&gt;;&lt;тип: 0 - первый, 1 - последний&gt;;</source>
        <translation>&lt;дата DDMMYY&gt;;&lt;тип: 0 - перший, 1 - останній&gt;;</translation>
    </message>
    <message>
        <source>Команда A3h: Печать периодического отчета</source>
        <translation>Команда A3h: Друк періодичного звіту</translation>
    </message>
    <message>
        <source>&lt;номер начального&gt;;&lt;номер завершающего&gt;;&lt;тип: 0 - сокращенный, 1 - полный&gt;;</source>
        <translation>&lt;номер початкового&gt;;&lt;номер завершального&gt;;&lt;тип: 0 - скорочений, 1 - повний&gt;;</translation>
    </message>
    <message>
        <source>Неверная команда</source>
        <translation>Неправильна команда</translation>
    </message>
    <message>
        <source>Обмен прерван: регистратор не ответил за </source>
        <translation>Обмін перервано: реєстратор не відповів за </translation>
    </message>
    <message>
        <source> мс (tsinit.ini, [Fiscal Printer] ExchangeLimit)!</source>
        <translation> мс (tsinit.ini, [Fiscal Printer] ExchangeLimit)!</translation>
    </message>
    <message>
        <source>Ошибка выбора устройства подключения!</source>
        <translation>Помилка вибору пристрою підключення!</translation>
    </message>
    <message>
        <source>Строка параметров длиннее 219 байт: команда не отправлена!</source>
        <translation>Рядок параметрів довший за 219 байт: команду не надіслано!</translation>
    </message>
    <message>
        <source>Код команды должен быть от 20h до FFh: команда не отправлена!</source>
        <translation>Код команди має бути від 20h до FFh: команду не надіслано!</translation>
    </message>
    <message>
        <source>Регистратор не ответил на проверочный запрос (21h): команда не отправлена!</source>
        <translation>Реєстратор не відповів на перевірочний запит (21h): команду не надіслано!</translation>
    </message>
    <message>
        <source> устаревший ответ отброшен</source>
        <translation> застарілу відповідь відкинуто</translation>
    </message>
    <message>
        <source>Неизвестная ошибка!</source>
        <translation>Невідома помилка!</translation>
    </message>
    <message>
        <source>Неопределенная ошибка оборудования!</source>
        <translation>Невизначена помилка обладнання!</translation>
    </message>
    <message>
        <source>Ошибка принтера!</source>
        <translation>Помилка принтера!</translation>
    </message>
    <message>
        <source>Ошибка RAM!</source>
        <translation>Помилка RAM!</translation>
    </message>
    <message>
        <source>Ошибка контрольной суммы памяти программы!</source>
        <translation>Помилка контрольної суми пам&apos;яті програми!</translation>
    </message>
    <message>
        <source>Ошибка Flash памяти!</source>
        <translation>Помилка Flash пам&apos;яті!</translation>
    </message>
    <message>
        <source>Ошибка дисплея!</source>
        <translation>Помилка дисплея!</translation>
    </message>
    <message>
        <source>Ошибка часов, необходимо скорректировать время!</source>
        <translation>Помилка годинника, необхідно скоригувати час!</translation>
    </message>
    <message>
        <source>Ошибка, возникшая в связи с понижением напряжения питания!</source>
        <translation>Помилка, що виникла у зв&apos;язку зі зниженням напруги живлення!</translation>
    </message>
    <message>
        <source>SIM: отказ оборудования!</source>
        <translation>SIM: відмова обладнання!</translation>
    </message>
    <message>
        <source>MMC: отказ оборудования!</source>
        <translation>MMC: відмова обладнання!</translation>
    </message>
    <message>
        <source>Нет команды с таким кодом!</source>
        <translation>Немає команди з таким кодом!</translation>
    </message>
    <message>
        <source>Данная функция не поддерживается!</source>
        <translation>Ця функція не підтримується!</translation>
    </message>
    <message>
        <source>В сообщении нет данных</source>
        <translation>У повідомленні немає даних</translation>
    </message>
    <message>
        <source>Переполнение буфера приемника/передатчика!</source>
        <translation>Переповнення буфера приймача/передавача!</translation>
    </message>
    <message>
        <source>Нет свободного места для записи в ФП!</source>
        <translation>Немає вільного місця для запису у ФП!</translation>
    </message>
    <message>
        <source>Ошибка записи в фискальную память!</source>
        <translation>Помилка запису у фіскальну пам&apos;ять!</translation>
    </message>
    <message>
        <source>Заводской номер не установлен!</source>
        <translation>Заводський номер не встановлено!</translation>
    </message>
    <message>
        <source>Дата текущей записи более ранняя 
   чем дата предыдущей записи!</source>
        <translation>Дата поточного запису раніша 
   за дату попереднього запису!</translation>
    </message>
    <message>
        <source>Запрещен выход за пределы суток!</source>
        <translation>Заборонено вихід за межі доби!</translation>
    </message>
    <message>
        <source>Данные в фискальной памяти неверны!</source>
        <translation>Дані у фіскальній пам&apos;яті неправильні!</translation>
    </message>
    <message>
        <source>Фискальная память исчерпана!</source>
        <translation>Фіскальну пам&apos;ять вичерпано!</translation>
    </message>
    <message>
        <source>Данная команда выполняется только в фискальном режиме!</source>
        <translation>Ця команда виконується лише у фіскальному режимі!</translation>
    </message>
    <message>
        <source>Дата и время не были установлены 
с момента последнего аварийного обнуления ОЗУ!</source>
        <translation>Дату й час не було встановлено 
з моменту останнього аварійного обнулення ОЗП!</translation>
    </message>
    <message>
        <source>С начала смены прошло более 24х часов!</source>
        <translation>Від початку зміни минуло понад 24 години!</translation>
    </message>
    <message>
        <source>Необходимо скорректировать время!</source>
        <translation>Необхідно скоригувати час!</translation>
    </message>
    <message>
        <source>Ошибка в формате таблицы!</source>
        <translation>Помилка у форматі таблиці!</translation>
    </message>
    <message>
        <source>ДОшибка в формате даты!</source>
        <translation>Помилка у форматі дати!</translation>
    </message>
    <message>
        <source>Ошибка в формате времени!</source>
        <translation>Помилка у форматі часу!</translation>
    </message>
    <message>
        <source>Устанавливаемое время меньше текущего!</source>
        <translation>Час, що встановлюється, менший за поточний!</translation>
    </message>
    <message>
        <source>Неверный режим регистратора (перемычка)!</source>
        <translation>Неправильний режим реєстратора (перемичка)!</translation>
    </message>
    <message>
        <source>Команда невыполнима в данном состоянии смены!</source>
        <translation>Команда невиконувана в цьому стані зміни!</translation>
    </message>
    <message>
        <source>Необходимо выгрузить контрольную ленту (бумажную/подписанную)!</source>
        <translation>Необхідно вивантажити контрольну стрічку (паперову/підписану)!</translation>
    </message>
    <message>
        <source>Регистратор находится в автономном режиме!</source>
        <translation>Реєстратор перебуває в автономному режимі!</translation>
    </message>
    <message>
        <source>Не очищено!</source>
        <translation>Не очищено!</translation>
    </message>
    <message>
        <source>Чтение-запись по неинициализированному указателю!</source>
        <translation>Читання-запис за неініціалізованим покажчиком!</translation>
    </message>
    <message>
        <source>Адрес-параметр за пределами зоны!</source>
        <translation>Адреса-параметр за межами зони!</translation>
    </message>
    <message>
        <source>Выделен недостаточный буфер!</source>
        <translation>Виділено недостатній буфер!</translation>
    </message>
    <message>
        <source>Ошибка данных</source>
        <translation>Помилка даних</translation>
    </message>
    <message>
        <source>Нет свободного места для выполнения команды!</source>
        <translation>Немає вільного місця для виконання команди!</translation>
    </message>
    <message>
        <source>Длинна записи больше максимума (&gt;255)!</source>
        <translation>Довжина запису більша за максимум (&gt;255)!</translation>
    </message>
    <message>
        <source>Артикул с данным кодом не найден!</source>
        <translation>Артикул з цим кодом не знайдено!</translation>
    </message>
    <message>
        <source>Индекс за пределами базы!</source>
        <translation>Індекс за межами бази!</translation>
    </message>
    <message>
        <source>Артикул с данным кодом существует!</source>
        <translation>Артикул з цим кодом існує!</translation>
    </message>
    <message>
        <source>Налог запрещен!</source>
        <translation>Податок заборонено!</translation>
    </message>
    <message>
        <source>Неверное состояние документа!</source>
        <translation>Неправильний стан документа!</translation>
    </message>
    <message>
        <source>Недостаточно свободного места для выполнения команды!</source>
        <translation>Недостатньо вільного місця для виконання команди!</translation>
    </message>
    <message>
        <source>Неизвестный тип продажи!</source>
        <translation>Невідомий тип продажу!</translation>
    </message>
    <message>
        <source>Аннуляция: не может начинаться с данной операции!</source>
        <translation>Анулювання: не може починатися з цієї операції!</translation>
    </message>
    <message>
        <source>Аннуляция: данная операция в чеке не найдена!</source>
        <translation>Анулювання: цю операцію в чеку не знайдено!</translation>
    </message>
    <message>
        <source>Аннуляция: последовательность неполная!</source>
        <translation>Анулювання: послідовність неповна!</translation>
    </message>
    <message>
        <source>Аннулировать нечего!</source>
        <translation>Анулювати нічого!</translation>
    </message>
    <message>
        <source>Копия чека недоступна!</source>
        <translation>Копія чека недоступна!</translation>
    </message>
    <message>
        <source>В кассе недостаточно наличных денег для выполнения операции!</source>
        <translation>У касі недостатньо готівки для виконання операції!</translation>
    </message>
    <message>
        <source>Указанный тип оплаты запрещен для данного чека!</source>
        <translation>Вказаний тип оплати заборонено для цього чека!</translation>
    </message>
    <message>
        <source>Сдача запрещена с данного типа оплаты!</source>
        <translation>Решту з цього типу оплати заборонено!</translation>
    </message>
    <message>
        <source>Значение скидки вышло за допустимый диапазон!</source>
        <translation>Значення знижки вийшло за допустимий діапазон!</translation>
    </message>
    <message>
        <source>Переполнение итога по чеку!</source>
        <translation>Переповнення підсумку чека!</translation>
    </message>
    <message>
        <source>Переполнение по оплатам в чеке!</source>
        <translation>Переповнення оплат у чеку!</translation>
    </message>
    <message>
        <source>Переполнение буфера!</source>
        <translation>Переповнення буфера!</translation>
    </message>
    <message>
        <source>Продажа: ошибка в количестве!</source>
        <translation>Продаж: помилка в кількості!</translation>
    </message>
    <message>
        <source>Продажа: ошибка в цене!</source>
        <translation>Продаж: помилка в ціні!</translation>
    </message>
    <message>
        <source>Аннуляция: удаляемая последовательность заблокирована!</source>
        <translation>Анулювання: послідовність, що видаляється, заблоковано!</translation>
    </message>
    <message>
        <source>Форматированная строка: параметры!</source>
        <translation>Форматований рядок: параметри!</translation>
    </message>
    <message>
        <source>Форматированная строка: тип данных!</source>
        <translation>Форматований рядок: тип даних!</translation>
    </message>
    <message>
        <source>Форматированная строка: выбор шрифта!</source>
        <translation>Форматований рядок: вибір шрифту!</translation>
    </message>
    <message>
        <source>Форматированная строка: выравнивание!</source>
        <translation>Форматований рядок: вирівнювання!</translation>
    </message>
    <message>
        <source>Форматированная строка: позиции в строке!</source>
        <translation>Форматований рядок: позиції в рядку!</translation>
    </message>
    <message>
        <source>Ошибка оборудования!
 </source>
        <translation>Помилка обладнання!
 </translation>
    </message>
    <message>
        <source>Ошибка фискальной памяти!
 </source>
        <translation>Помилка фіскальної пам&apos;яті!
 </translation>
    </message>
    <message>
        <source>Неверный пароль доступа!</source>
        <translation>Неправильний пароль доступу!</translation>
    </message>
    <message>
        <source>Команда не может быть выполнена в данном состоянии регистратора!
</source>
        <translation>Команду не може бути виконано в цьому стані реєстратора!
</translation>
    </message>
    <message>
        <source>При выполнении операции 
  обнаружено арифметическое переполнение!</source>
        <translation>Під час виконання операції 
  виявлено арифметичне переповнення!</translation>
    </message>
    <message>
        <source>Не обнулено!</source>
        <translation>Не обнулено!</translation>
    </message>
    <message>
        <source>Ошибка работы с базой товаров!
 </source>
        <translation>Помилка роботи з базою товарів!
 </translation>
    </message>
    <message>
        <source>Ошибка работы с продажами!
 </source>
        <translation>Помилка роботи з продажами!
 </translation>
    </message>
    <message>
        <source>Ошибка форматированной строки!
 </source>
        <translation>Помилка форматованого рядка!
 </translation>
    </message>
    <message>
        <source>Неправильный формат поля номер </source>
        <translation>Неправильний формат поля номер </translation>
    </message>
    <message>
        <source>Значение поля номер </source>
        <translation>Значення поля номер </translation>
    </message>
    <message>
        <source> выходит за допустимый диапазон!</source>
        <translation> виходить за допустимий діапазон!</translation>
    </message>
    <message>
        <source>Регистратор отклонил команду (NAK)!</source>
        <translation>Реєстратор відхилив команду (NAK)!</translation>
    </message>
    <message>
        <source>Неверная контрольная сумма</source>
        <translation>Неправильна контрольна сума</translation>
    </message>
    <message>
        <source>Ответ регистратора потерян: команда могла быть выполнена! Проверьте ленту и состояние регистратора, прежде чем повторять команду.</source>
        <translation>Відповідь реєстратора втрачено: команду могло бути виконано! Перевірте стрічку та стан реєстратора, перш ніж повторювати команду.</translation>
    </message>
    <message>
        <source>Команда не отправлена!</source>
        <translation>Команду не надіслано!</translation>
    </message>
    <message>
        <source>Неверный формат кода ошибки!</source>
        <translation>Неправильний формат коду помилки!</translation>
    </message>
    <message>
        <source>Устройство не удалено (</source>
        <translation>Пристрій не видалено (</translation>
    </message>
    <message>
        <source>Устройство не восстановлено (</source>
        <translation>Пристрій не відновлено (</translation>
    </message>
    <message>
        <source>X-отчет</source>
        <translation>X-звіт</translation>
    </message>
    <message>
        <source>Z-отчет</source>
        <translation>Z-звіт</translation>
    </message>
    <message>
        <source>Печать контрольной ленты</source>
        <translation>Друк контрольної стрічки</translation>
    </message>
    <message>
        <source>Обнуления контрольной ленты</source>
        <translation>Обнулення контрольної стрічки</translation>
    </message>
    <message>
        <source>Обнуление контрольной ленты</source>
        <translation>Обнулення контрольної стрічки</translation>
    </message>
    <message>
        <source>Печать дополнительных дневных отчетов </source>
        <translation>Друк додаткових денних звітів </translation>
    </message>
    <message>
        <source>Отчет по отделам</source>
        <translation>Звіт по відділах</translation>
    </message>
    <message>
        <source>Отчет по операторам</source>
        <translation>Звіт по операторах</translation>
    </message>
    <message>
        <source>Вывести контрольную ленту</source>
        <translation>Вивести контрольну стрічку</translation>
    </message>
    <message>
        <source>Тип отчета:</source>
        <translation>Тип звіту:</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Звіт</translation>
    </message>
    <message>
        <source>FKP101 дневные отчеты</source>
        <translation>FKP101 денні звіти</translation>
    </message>
    <message>
        <source>Обнулить базу товаров</source>
        <translation>Обнулити базу товарів</translation>
    </message>
    <message>
        <source>Выгрузка и обнуления контрольной ленты</source>
        <translation>Вивантаження та обнулення контрольної стрічки</translation>
    </message>
    <message>
        <source>Ошибка </source>
        <translation>Помилка </translation>
    </message>
    <message>
        <source>Код первого товара:</source>
        <translation>Код першого товару:</translation>
    </message>
    <message>
        <source>Код последнего товара:</source>
        <translation>Код останнього товару:</translation>
    </message>
    <message>
        <source>Номер первого отчета:</source>
        <translation>Номер першого звіту:</translation>
    </message>
    <message>
        <source>Номер последнего отчета:</source>
        <translation>Номер останнього звіту:</translation>
    </message>
    <message>
        <source>По дате</source>
        <translation>За датою</translation>
    </message>
    <message>
        <source>По номеру</source>
        <translation>За номером</translation>
    </message>
    <message>
        <source>Сокращенный</source>
        <translation>Скорочений</translation>
    </message>
    <message>
        <source>Полный</source>
        <translation>Повний</translation>
    </message>
    <message>
        <source>Тип отчета</source>
        <translation>Тип звіту</translation>
    </message>
    <message>
        <source>По дате/номеру</source>
        <translation>За датою/номером</translation>
    </message>
    <message>
        <source>Полный/сокращенный</source>
        <translation>Повний/скорочений</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Дата первого отчета:</source>
        <translation>Дата першого звіту:</translation>
    </message>
    <message>
        <source>Дата последнего отчета:</source>
        <translation>Дата останнього звіту:</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Не вдалося відкрити файл %1: %2</translation>
    </message>
    <message>
        <source>Ошибка чтения файла %1: %2</source>
        <translation>Помилка читання файлу %1: %2</translation>
    </message>
    <message>
        <source>Товары для программирования</source>
        <translation>Товари для програмування</translation>
    </message>
    <message>
        <source>%1: %2 (%3 из %4).</source>
        <translation>%1: %2 (%3 з %4).</translation>
    </message>
    <message>
        <source>Завершено</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Не все артикулы записаны в регистратор.</source>
        <translation>Не всі артикули записано в реєстратор.</translation>
    </message>
    <message>
        <source>Регистратор отклонил строки</source>
        <translation>Реєстратор відхилив рядки</translation>
    </message>
    <message>
        <source>Нет ответа регистратора на строки</source>
        <translation>Немає відповіді реєстратора на рядки</translation>
    </message>
    <message>
        <source>Не отправлены строки</source>
        <translation>Не надіслано рядки</translation>
    </message>
    <message>
        <source>Загрузка артикулов в регистратор</source>
        <translation>Завантаження артикулів у реєстратор</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Записать в регистратор</source>
        <translation>Записати в реєстратор</translation>
    </message>
    <message>
        <source>Ошибка! Таймаут устройства! </source>
        <translation>Помилка! Таймаут пристрою! </translation>
    </message>
    <message>
        <source>Время включения соленоида:</source>
        <translation>Час увімкнення соленоїда:</translation>
    </message>
    <message>
        <source>Задержка после выкл. соленоида:</source>
        <translation>Затримка після вимк. соленоїда:</translation>
    </message>
    <message>
        <source>Открыть ящик</source>
        <translation>Відкрити скриньку</translation>
    </message>
    <message>
        <source>Открыть доп. ящик</source>
        <translation>Відкрити дод. скриньку</translation>
    </message>
    <message>
        <source>Ошибка выполнения команды. Таймаут</source>
        <translation>Помилка виконання команди. Таймаут</translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; недопустим символ &quot;;&quot;. Команда не отправлена!</source>
        <translation>У полі &quot;%1&quot; недопустимий символ &quot;;&quot;. Команду не надіслано!</translation>
    </message>
    <message>
        <source>Не установлены параметры команды!</source>
        <translation>Не встановлено параметри команди!</translation>
    </message>
    <message>
        <source>Сумма:    </source>
        <translation>Сума:    </translation>
    </message>
    <message>
        <source>Номер оператора:</source>
        <translation>Номер оператора:</translation>
    </message>
    <message>
        <source>Денег в кассе:</source>
        <translation>Грошей у касі:</translation>
    </message>
    <message>
        <source>Служебный внос</source>
        <translation>Службове внесення</translation>
    </message>
    <message>
        <source>Служебное изъятие</source>
        <translation>Службова видача</translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; должна быть сумма больше нуля с точкой и не более чем двумя знаками после нее, например 1.00. Команда не отправлена!</source>
        <translation>У полі &quot;%1&quot; має бути сума більша за нуль із крапкою та не більш як двома знаками після неї, наприклад 1.00. Команду не надіслано!</translation>
    </message>
    <message>
        <source>Служебный внос денег</source>
        <translation>Службове внесення грошей</translation>
    </message>
    <message>
        <source>Служебное изъятие денег</source>
        <translation>Службова видача грошей</translation>
    </message>
    <message>
        <source> - Успешно!</source>
        <translation> - Успішно!</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка открытия чека!</source>
        <translation>Таймаут пристрою! Помилка відкриття чека!</translation>
    </message>
    <message>
        <source>Ошибка открытия чека</source>
        <translation>Помилка відкриття чека</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка продажи!</source>
        <translation>Таймаут пристрою! Помилка продажу!</translation>
    </message>
    <message>
        <source>Ошибка продажи</source>
        <translation>Помилка продажу</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка надбавки-скидки!</source>
        <translation>Таймаут пристрою! Помилка надбавки-знижки!</translation>
    </message>
    <message>
        <source>Ошибка надбавки-скидки</source>
        <translation>Помилка надбавки-знижки</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка печати комментария!</source>
        <translation>Таймаут пристрою! Помилка друку коментаря!</translation>
    </message>
    <message>
        <source>Ошибка печати комментария</source>
        <translation>Помилка друку коментаря</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка печати итога!</source>
        <translation>Таймаут пристрою! Помилка друку підсумку!</translation>
    </message>
    <message>
        <source>Ошибка печати итога</source>
        <translation>Помилка друку підсумку</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка закрыиия чека!</source>
        <translation>Таймаут пристрою! Помилка закриття чека!</translation>
    </message>
    <message>
        <source>Ошибка закрытия чека</source>
        <translation>Помилка закриття чека</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка аннулирования!</source>
        <translation>Таймаут пристрою! Помилка анулювання!</translation>
    </message>
    <message>
        <source>Ошибка аннулирования</source>
        <translation>Помилка анулювання</translation>
    </message>
    <message>
        <source>Не выбран товар!</source>
        <translation>Не вибрано товар!</translation>
    </message>
    <message>
        <source>Длина штрих-кода не равна 12 символов! Ошибка!</source>
        <translation>Довжина штрих-коду не дорівнює 12 символам! Помилка!</translation>
    </message>
    <message>
        <source>Кол-во:</source>
        <translation>Кільк.:</translation>
    </message>
    <message>
        <source>Цена за ед.:</source>
        <translation>Ціна за од.:</translation>
    </message>
    <message>
        <source>Чек возврата</source>
        <translation>Чек повернення</translation>
    </message>
    <message>
        <source>Открыть чек</source>
        <translation>Відкрити чек</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Товари</translation>
    </message>
    <message>
        <source>Продать</source>
        <translation>Продати</translation>
    </message>
    <message>
        <source> на товар</source>
        <translation> на товар</translation>
    </message>
    <message>
        <source>на подсумму</source>
        <translation>на підсуму</translation>
    </message>
    <message>
        <source>с налоговой группы</source>
        <translation>з податкової групи</translation>
    </message>
    <message>
        <source>Скидка процентная</source>
        <translation>Знижка відсоткова</translation>
    </message>
    <message>
        <source>Скидка абсолютная</source>
        <translation>Знижка абсолютна</translation>
    </message>
    <message>
        <source>Верхняя строка</source>
        <translation>Верхній рядок</translation>
    </message>
    <message>
        <source>Нижняя строка</source>
        <translation>Нижній рядок</translation>
    </message>
    <message>
        <source>Выводить информацию на дисплей</source>
        <translation>Виводити інформацію на дисплей</translation>
    </message>
    <message>
        <source>Использовать указанный идентификатор транзакций</source>
        <translation>Використати вказаний ідентифікатор транзакцій</translation>
    </message>
    <message>
        <source>Не выводить дополнительную информацию для банковской карты</source>
        <translation>Не виводити додаткову інформацію для банківської картки</translation>
    </message>
    <message>
        <source>Печать комментария</source>
        <translation>Друк коментаря</translation>
    </message>
    <message>
        <source>Штрих-код EAN-13</source>
        <translation>Штрих-код EAN-13</translation>
    </message>
    <message>
        <source>Вывод на индикатор</source>
        <translation>Виведення на індикатор</translation>
    </message>
    <message>
        <source>Печать итога</source>
        <translation>Друк підсумку</translation>
    </message>
    <message>
        <source>Сумма по чеку:</source>
        <translation>Сума чека:</translation>
    </message>
    <message>
        <source>Оплатить</source>
        <translation>Оплатити</translation>
    </message>
    <message>
        <source>Закрыть чек</source>
        <translation>Закрити чек</translation>
    </message>
    <message>
        <source>Аннулирование всего чека</source>
        <translation>Анулювання всього чека</translation>
    </message>
    <message>
        <source>Начало аннулирования</source>
        <translation>Початок анулювання</translation>
    </message>
    <message>
        <source>Конец аннулирования</source>
        <translation>Кінець анулювання</translation>
    </message>
    <message>
        <source>Отмена аннулирования</source>
        <translation>Скасування анулювання</translation>
    </message>
    <message>
        <source>Файлы товаров (*.art);;*.ART</source>
        <translation>Файли товарів (*.art);;*.ART</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; - не число. Введите число с точкой, например 1.50</source>
        <translation>%1 &quot;%2&quot; - не число. Введіть число з крапкою, наприклад 1.50</translation>
    </message>
    <message>
        <source>Код товара &quot;%1&quot; в строке товара - не число. Продажа не выполнена.</source>
        <translation>Код товару &quot;%1&quot; у рядку товару - не число. Продаж не виконано.</translation>
    </message>
    <message>
        <source>Количество должно быть больше нуля. Продажа не выполнена.</source>
        <translation>Кількість має бути більшою за нуль. Продаж не виконано.</translation>
    </message>
    <message>
        <source>Цена не может быть отрицательной. Продажа не выполнена.</source>
        <translation>Ціна не може бути від&apos;ємною. Продаж не виконано.</translation>
    </message>
    <message>
        <source>Количество или цена не могут быть отправлены. Продажа не выполнена.</source>
        <translation>Кількість або ціну не може бути надіслано. Продаж не виконано.</translation>
    </message>
    <message>
        <source>Налоговая группа</source>
        <translation>Податкова група</translation>
    </message>
    <message>
        <source>Значение скидки не может быть отправлено.</source>
        <translation>Значення знижки не може бути надіслано.</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Коментар</translation>
    </message>
    <message>
        <source>Штрих-код должен состоять из 12 цифр! Ошибка!</source>
        <translation>Штрих-код має складатися з 12 цифр! Помилка!</translation>
    </message>
    <message>
        <source>Строки для печати в нефискальном чеке:</source>
        <translation>Рядки для друку в нефіскальному чеку:</translation>
    </message>
    <message>
        <source>Нефискальный чек</source>
        <translation>Нефіскальний чек</translation>
    </message>
    <message>
        <source>Печать чека:</source>
        <translation>Друк чека:</translation>
    </message>
    <message>
        <source>; - недопустимый символ, 
   будет удален при печати чека!</source>
        <translation>; - недопустимий символ, 
   буде видалений під час друку чека!</translation>
    </message>
    <message>
        <source>Ввод текста</source>
        <translation>Введення тексту</translation>
    </message>
    <message>
        <source>Первый сквозной номер чека:</source>
        <translation>Перший наскрізний номер чека:</translation>
    </message>
    <message>
        <source>Последний сквозной номер чека:</source>
        <translation>Останній наскрізний номер чека:</translation>
    </message>
    <message>
        <source>Печать копии чека </source>
        <translation>Друк копії чека </translation>
    </message>
    <message>
        <source>Печать копии чека</source>
        <translation>Друк копії чека</translation>
    </message>
    <message>
        <source>Копия чека</source>
        <translation>Копія чека</translation>
    </message>
    <message>
        <source>Ошибочный тип оплаты</source>
        <translation>Помилковий тип оплати</translation>
    </message>
    <message>
        <source>Внимание! Банковский терминал!</source>
        <translation>Увага! Банківський термінал!</translation>
    </message>
    <message>
        <source>Ошибка оплаты банковской картой!</source>
        <translation>Помилка оплати банківською карткою!</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка оплаты чека!</source>
        <translation>Таймаут пристрою! Помилка оплати чека!</translation>
    </message>
    <message>
        <source>Ошибка оплаты чека</source>
        <translation>Помилка оплати чека</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка оплаты банковской картой!</source>
        <translation>Таймаут пристрою! Помилка оплати банківською карткою!</translation>
    </message>
    <message>
        <source>Ошибка оплаты чека банковской картой</source>
        <translation>Помилка оплати чека банківською карткою</translation>
    </message>
    <message>
        <source>Оплата банковской картой не выполнена.</source>
        <translation>Оплату банківською карткою не виконано.</translation>
    </message>
    <message>
        <source>Сумма оплаты должна быть больше нуля. %1</source>
        <translation>Сума оплати має бути більшою за нуль. %1</translation>
    </message>
    <message>
        <source>Сумма оплаты &quot;%1&quot; - не сумма денег. Введите цифры и не более двух знаков после точки, например 12.50</source>
        <translation>Сума оплати &quot;%1&quot; - не сума грошей. Введіть цифри й не більше двох знаків після крапки, наприклад 12.50</translation>
    </message>
    <message>
        <source>Чек уже оплачен. %1</source>
        <translation>Чек уже оплачено. %1</translation>
    </message>
    <message>
        <source>Нет открытого фискального чека. %1</source>
        <translation>Немає відкритого фіскального чека. %1</translation>
    </message>
    <message>
        <source>Сумма по чеку &quot;%1&quot; не прочитана. %2</source>
        <translation>Суму чека &quot;%1&quot; не прочитано. %2</translation>
    </message>
    <message>
        <source>Сумма оплаты %1 больше суммы по чеку %2. %3</source>
        <translation>Сума оплати %1 більша за суму чека %2. %3</translation>
    </message>
    <message>
        <source>%1
Терминал отклонил оплату, код ответа %2.</source>
        <translation>%1
Термінал відхилив оплату, код відповіді %2.</translation>
    </message>
    <message>
        <source>Банковский терминал провел оплату, идентификатор транзакции %1, но регистратор оплату не принял. Идентификатор записан в поле транзакции: чтобы завершить оплату без повторного списания с карты, отметьте &quot;Использовать указанный идентификатор транзакций&quot; и нажмите &quot;Оплатить&quot;.</source>
        <translation>Банківський термінал провів оплату, ідентифікатор транзакції %1, але реєстратор оплату не прийняв. Ідентифікатор записано в поле транзакції: щоб завершити оплату без повторного списання з картки, позначте &quot;Використати вказаний ідентифікатор транзакцій&quot; і натисніть &quot;Оплатити&quot;.</translation>
    </message>
    <message>
        <source>Время:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Начальный номер:</source>
        <translation>Початковий номер:</translation>
    </message>
    <message>
        <source>Конечный номер:</source>
        <translation>Кінцевий номер:</translation>
    </message>
    <message>
        <source>Копия чека (&quot;КСЕФ&quot;)</source>
        <translation>Копія чека (&quot;КСЕФ&quot;)</translation>
    </message>
    <message>
        <source>напечатать документы</source>
        <translation>надрукувати документи</translation>
    </message>
    <message>
        <source>Поиск и печать документов  по датам</source>
        <translation>Пошук і друк документів  за датами</translation>
    </message>
    <message>
        <source>Начальная дата:</source>
        <translation>Початкова дата:</translation>
    </message>
    <message>
        <source>Конечная дата:</source>
        <translation>Кінцева дата:</translation>
    </message>
    <message>
        <source>Печать документов по номерам</source>
        <translation>Друк документів за номерами</translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; должно быть время из четырех цифр ЧЧММ, например 1200. Команда не отправлена!</source>
        <translation>У полі &quot;%1&quot; має бути час із чотирьох цифр ГГХХ, наприклад 1200. Команду не надіслано!</translation>
    </message>
    <message>
        <source>Ошибка! Таймаут устройства!</source>
        <translation>Помилка! Таймаут пристрою!</translation>
    </message>
    <message>
        <source>Нет открытых чеков</source>
        <translation>Немає відкритих чеків</translation>
    </message>
    <message>
        <source>Открыт нефискальный чек</source>
        <translation>Відкрито нефіскальний чек</translation>
    </message>
    <message>
        <source>Открыт чек возврата</source>
        <translation>Відкрито чек повернення</translation>
    </message>
    <message>
        <source>Открыт фискальный чек</source>
        <translation>Відкрито фіскальний чек</translation>
    </message>
    <message>
        <source>Аннулировать чек</source>
        <translation>Анулювати чек</translation>
    </message>
    <message>
        <source>Неверный код команды!</source>
        <translation>Неправильний код команди!</translation>
    </message>
    <message>
        <source>Монитор для фискального регистратора + запуск скриптов</source>
        <translation>Монітор для фіскального реєстратора + запуск скриптів</translation>
    </message>
    <message>
        <source>Выполнение команды</source>
        <translation>Виконання команди</translation>
    </message>
    <message>
        <source>Повторить команду</source>
        <translation>Повторити команду</translation>
    </message>
    <message>
        <source>В список</source>
        <translation>До списку</translation>
    </message>
    <message>
        <source>Очистить сообщения</source>
        <translation>Очистити повідомлення</translation>
    </message>
    <message>
        <source>Данные:</source>
        <translation>Дані:</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Статус:</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Відкрити файл</translation>
    </message>
    <message>
        <source>Не перерисовывать форму</source>
        <translation>Не перемальовувати форму</translation>
    </message>
    <message>
        <source>Не выводить данные</source>
        <translation>Не виводити дані</translation>
    </message>
    <message>
        <source>Имя  файла:</source>
        <translation>Ім&apos;я  файлу:</translation>
    </message>
    <message>
        <source>Ном. стр. скрипта:</source>
        <translation>Ном. рядка скрипта:</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Крок</translation>
    </message>
    <message>
        <source>Обмен с регистратором еще не закончен!</source>
        <translation>Обмін з реєстратором ще не закінчено!</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt *.TXT);;Все (*)</source>
        <translation>Текстові файли (*.txt *.TXT);;Усі (*)</translation>
    </message>
    <message>
        <source>Внимание! Файл не выбран!</source>
        <translation>Увага! Файл не вибрано!</translation>
    </message>
    <message>
        <source>Значения</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. Оператор New расположен вне секции описаний.</source>
        <translation>Помилка - помилка в описах. Оператор New розташовано поза секцією описів.</translation>
    </message>
    <message>
        <source>Конец файла!</source>
        <translation>Кінець файлу!</translation>
    </message>
    <message>
        <source>Ошибка выполнения команды</source>
        <translation>Помилка виконання команди</translation>
    </message>
    <message>
        <source>Ошибка - деление на ноль!</source>
        <translation>Помилка - ділення на нуль!</translation>
    </message>
    <message>
        <source>Ошибка - переполнение при вычислении!</source>
        <translation>Помилка - переповнення під час обчислення!</translation>
    </message>
    <message>
        <source>Ошибка - &quot;</source>
        <translation>Помилка - &quot;</translation>
    </message>
    <message>
        <source>&quot; не является файлом!</source>
        <translation>&quot; не є файлом!</translation>
    </message>
    <message>
        <source>Ошибка - файл скрипта не открывается: </source>
        <translation>Помилка - файл скрипта не відкривається: </translation>
    </message>
    <message>
        <source>Ошибка чтения файла скрипта: </source>
        <translation>Помилка читання файлу скрипта: </translation>
    </message>
    <message>
        <source>Ошибка - строка </source>
        <translation>Помилка - рядок </translation>
    </message>
    <message>
        <source> длиннее </source>
        <translation> довший за </translation>
    </message>
    <message>
        <source> символов!</source>
        <translation> символів!</translation>
    </message>
    <message>
        <source>Скрипт уже выполняется!</source>
        <translation>Скрипт уже виконується!</translation>
    </message>
    <message>
        <source>Ошибка - строка команды короче 9 символов!</source>
        <translation>Помилка - рядок команди коротший за 9 символів!</translation>
    </message>
    <message>
        <source>Комментарий:: </source>
        <translation>Коментар:: </translation>
    </message>
    <message>
        <source>Ошибка - неверное расположение описания данных.</source>
        <translation>Помилка - неправильне розташування опису даних.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. DeclareBeg уже был ранее.</source>
        <translation>Помилка - помилка в описах. DeclareBeg уже був раніше.</translation>
    </message>
    <message>
        <source>Ошибка - больше 100 переменных!</source>
        <translation>Помилка - більше 100 змінних!</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. Ошибочное расположение DeclareEnd.</source>
        <translation>Помилка - помилка в описах. Помилкове розташування DeclareEnd.</translation>
    </message>
    <message>
        <source>Подключение порта - успешно!</source>
        <translation>Підключення порту - успішно!</translation>
    </message>
    <message>
        <source>Ошибка подключения порта!</source>
        <translation>Помилка підключення порту!</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. Секция определений неверна.</source>
        <translation>Помилка - помилка в описах. Секція визначень неправильна.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в операторе Set.</source>
        <translation>Помилка - помилка в операторі Set.</translation>
    </message>
    <message>
        <source>Ошибка - присвоение несуществующей переменной.</source>
        <translation>Помилка - присвоєння неіснуючій змінній.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях.</source>
        <translation>Помилка - помилка в описах.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в If-Then. Оператор New расположен вне секции описаний.</source>
        <translation>Помилка - помилка в If-Then. Оператор New розташовано поза секцією описів.</translation>
    </message>
    <message>
        <source>Ошибка - больше 100 блоков If!</source>
        <translation>Помилка - більше 100 блоків If!</translation>
    </message>
    <message>
        <source>Некорректная операция в операторе If - ошибка!</source>
        <translation>Некоректна операція в операторі If - помилка!</translation>
    </message>
    <message>
        <source>Ошибка - Then без открытого блока If!</source>
        <translation>Помилка - Then без відкритого блоку If!</translation>
    </message>
    <message>
        <source>Ошибка - Else без открытого блока If!</source>
        <translation>Помилка - Else без відкритого блоку If!</translation>
    </message>
    <message>
        <source>Ошибка - EndIf без открытого блока If!</source>
        <translation>Помилка - EndIf без відкритого блоку If!</translation>
    </message>
    <message>
        <source>Ошибка - вложенность While больше 100!</source>
        <translation>Помилка - вкладеність While більше 100!</translation>
    </message>
    <message>
        <source>Ошибка - больше 100 блоков While!</source>
        <translation>Помилка - більше 100 блоків While!</translation>
    </message>
    <message>
        <source>Некорректная операция в операторе While - ошибка!</source>
        <translation>Некоректна операція в операторі While - помилка!</translation>
    </message>
    <message>
        <source>Ошибка - EndWhile без открытого блока While!</source>
        <translation>Помилка - EndWhile без відкритого блоку While!</translation>
    </message>
    <message>
        <source>Ошибка первого параметра!</source>
        <translation>Помилка першого параметра!</translation>
    </message>
    <message>
        <source>Ошибка второго параметра!</source>
        <translation>Помилка другого параметра!</translation>
    </message>
    <message>
        <source>Ошибка операции!</source>
        <translation>Помилка операції!</translation>
    </message>
    <message>
        <source>Ошибка результата операции!</source>
        <translation>Помилка результату операції!</translation>
    </message>
    <message>
        <source>Ошибка - значение &quot;</source>
        <translation>Помилка - значення &quot;</translation>
    </message>
    <message>
        <source>&quot; не является целым числом!</source>
        <translation>&quot; не є цілим числом!</translation>
    </message>
    <message>
        <source>&quot; не является числом!</source>
        <translation>&quot; не є числом!</translation>
    </message>
    <message>
        <source>Ошибка - номер поля %Ret больше 19!</source>
        <translation>Помилка - номер поля %Ret більший за 19!</translation>
    </message>
    <message>
        <source>Ошибка переменной!</source>
        <translation>Помилка змінної!</translation>
    </message>
    <message>
        <source>Параметры связи</source>
        <translation>Параметри зв&apos;язку</translation>
    </message>
    <message>
        <source>Адрес назначения:</source>
        <translation>Адреса призначення:</translation>
    </message>
    <message>
        <source>Прочитать настройки сети</source>
        <translation>Прочитати налаштування мережі</translation>
    </message>
    <message>
        <source>Установить настройки сети</source>
        <translation>Встановити налаштування мережі</translation>
    </message>
    <message>
        <source>Печатать настроек сети</source>
        <translation>Друк налаштувань мережі</translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation>Завантажити з файлу</translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Чтение параметров связи из файла</source>
        <translation>Читання параметрів зв&apos;язку з файлу</translation>
    </message>
    <message>
        <source>Не удалось открыть файл </source>
        <translation>Не вдалося відкрити файл </translation>
    </message>
    <message>
        <source>Не удалось прочитать файл </source>
        <translation>Не вдалося прочитати файл </translation>
    </message>
    <message>
        <source>Запись параметров связи в файл</source>
        <translation>Запис параметрів зв&apos;язку у файл</translation>
    </message>
    <message>
        <source>Не удалось записать файл </source>
        <translation>Не вдалося записати файл </translation>
    </message>
    <message>
        <source>Файл не выбран. Ошибка.</source>
        <translation>Файл не вибрано. Помилка.</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt);;Все файлы (*)</source>
        <translation>Текстові файли (*.txt);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Разрешено</source>
        <translation>Дозволено</translation>
    </message>
    <message>
        <source>Запрещено</source>
        <translation>Заборонено</translation>
    </message>
    <message>
        <source>Налог запрещен</source>
        <translation>Податок заборонено</translation>
    </message>
    <message>
        <source>Вложенный</source>
        <translation>Вкладений</translation>
    </message>
    <message>
        <source>Наложенный</source>
        <translation>Накладений</translation>
    </message>
    <message>
        <source>Группа не облагаемая налогом</source>
        <translation>Група, що не оподатковується</translation>
    </message>
    <message>
        <source>Вложенный 2</source>
        <translation>Вкладений 2</translation>
    </message>
    <message>
        <source>Наложенный 2</source>
        <translation>Накладений 2</translation>
    </message>
    <message>
        <source>Налог 2  Вложенный +</source>
        <translation>Податок 2  Вкладений +</translation>
    </message>
    <message>
        <source>Налог 2  Наложенный +</source>
        <translation>Податок 2  Накладений +</translation>
    </message>
    <message>
        <source>Акцизный сбор (влож)</source>
        <translation>Акцизний збір (вклад)</translation>
    </message>
    <message>
        <source>Акцизный сбор (налож)</source>
        <translation>Акцизний збір (наклад)</translation>
    </message>
    <message>
        <source>А</source>
        <translation>А</translation>
    </message>
    <message>
        <source>Б</source>
        <translation>Б</translation>
    </message>
    <message>
        <source>В</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Г</source>
        <translation>Г</translation>
    </message>
    <message>
        <source>Д</source>
        <translation>Д</translation>
    </message>
    <message>
        <source>Є</source>
        <translation>Є</translation>
    </message>
    <message>
        <source>Ж</source>
        <translation>Ж</translation>
    </message>
    <message>
        <source>И</source>
        <translation>И</translation>
    </message>
    <message>
        <source>Ї</source>
        <translation>Ї</translation>
    </message>
    <message>
        <source>Налог </source>
        <translation>Податок </translation>
    </message>
    <message>
        <source>Не изменять</source>
        <translation>Не змінювати</translation>
    </message>
    <message>
        <source>По умолчанию (2)</source>
        <translation>За замовчуванням (2)</translation>
    </message>
    <message>
        <source>Светлая</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Нормальнаяl</source>
        <translation>Нормальна</translation>
    </message>
    <message>
        <source>Темная</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source> Экстра-Темная</source>
        <translation> Екстра-темна</translation>
    </message>
    <message>
        <source>Фискализация: ожидание готовности регистратора, попытка </source>
        <translation>Фіскалізація: очікування готовності реєстратора, спроба </translation>
    </message>
    <message>
        <source> из </source>
        <translation> з </translation>
    </message>
    <message>
        <source>не записывать</source>
        <translation>не записувати</translation>
    </message>
    <message>
        <source>одинарная ширина</source>
        <translation>одинарна ширина</translation>
    </message>
    <message>
        <source>двойная ширина</source>
        <translation>подвійна ширина</translation>
    </message>
    <message>
        <source>Отсутствует</source>
        <translation>Відсутній</translation>
    </message>
    <message>
        <source>SetDataSource ошибка:
  </source>
        <translation>SetDataSource помилка:
  </translation>
    </message>
    <message>
        <source>Нет данных!</source>
        <translation>Немає даних!</translation>
    </message>
    <message>
        <source>Чтение остановлено по запросу пользователя!</source>
        <translation>Читання зупинено на запит користувача!</translation>
    </message>
    <message>
        <source>ReadDataFromBuf ошибка:
  </source>
        <translation>ReadDataFromBuf помилка:
  </translation>
    </message>
    <message>
        <source>Ошибка последовательного номера пакета - чтение остановлено!</source>
        <translation>Помилка послідовного номера пакета - читання зупинено!</translation>
    </message>
    <message>
        <source>Чтение внутреннего ПО - успешно!</source>
        <translation>Читання внутрішнього ПЗ - успішно!</translation>
    </message>
    <message>
        <source>Ошибка! Таймаут устройства! Чтение данных остановлено.</source>
        <translation>Помилка! Таймаут пристрою! Читання даних зупинено.</translation>
    </message>
    <message>
        <source>Ошибка чтения данных из флеш-памяти. 
Чтение данных остановлено. </source>
        <translation>Помилка читання даних із флеш-пам&apos;яті. 
Читання даних зупинено. </translation>
    </message>
    <message>
        <source>Чтение данных остановлено пользователем.</source>
        <translation>Читання даних зупинено користувачем.</translation>
    </message>
    <message>
        <source>Успешно. Чтение данных завершено.</source>
        <translation>Успішно. Читання даних завершено.</translation>
    </message>
    <message>
        <source>Ошибка! Незапланированный конец файла!
   Чтение прервано</source>
        <translation>Помилка! Незапланований кінець файлу!
   Читання перервано</translation>
    </message>
    <message>
        <source>Ошибка записи в флеш-память:
  </source>
        <translation>Помилка запису у флеш-пам&apos;ять:
  </translation>
    </message>
    <message>
        <source>Запись данных остановлено пользователем.</source>
        <translation>Запис даних зупинено користувачем.</translation>
    </message>
    <message>
        <source>Успешно. Запись данных завершена.</source>
        <translation>Успішно. Запис даних завершено.</translation>
    </message>
    <message>
        <source>Ошибка обнуления флеш-памяти:
  </source>
        <translation>Помилка обнулення флеш-пам&apos;яті:
  </translation>
    </message>
    <message>
        <source>Успешно!</source>
        <translation>Успішно!</translation>
    </message>
    <message>
        <source>Ошибка! Адрес последнего байта больше 9999999999!</source>
        <translation>Помилка! Адреса останнього байта більша за 9999999999!</translation>
    </message>
    <message>
        <source>Ошибка! Адрес и количество в имени файла не помещаются в поля (не более 10 и 9 цифр): </source>
        <translation>Помилка! Адреса та кількість в імені файлу не вміщуються в поля (не більше 10 і 9 цифр): </translation>
    </message>
    <message>
        <source>Ошибка записи файла: </source>
        <translation>Помилка запису файлу: </translation>
    </message>
    <message>
        <source>Сохранено байтов: </source>
        <translation>Збережено байтів: </translation>
    </message>
    <message>
        <source> в файле </source>
        <translation> у файлі </translation>
    </message>
    <message>
        <source>
Файл </source>
        <translation>
Файл </translation>
    </message>
    <message>
        <source> не изменён.</source>
        <translation> не змінено.</translation>
    </message>
    <message>
        <source>Ошибка открытия файла: </source>
        <translation>Помилка відкриття файлу: </translation>
    </message>
    <message>
        <source>Ошибка чтения файла: </source>
        <translation>Помилка читання файлу: </translation>
    </message>
    <message>
        <source>Дата регистратора &quot;%1&quot; не может быть показана. Дата и время не прочитаны!</source>
        <translation>Дату реєстратора &quot;%1&quot; не може бути показано. Дату й час не прочитано!</translation>
    </message>
    <message>
        <source>Дата (DDMMYY): </source>
        <translation>Дата (DDMMYY): </translation>
    </message>
    <message>
        <source>Время (HHMM):</source>
        <translation>Час (HHMM):</translation>
    </message>
    <message>
        <source>Установить дату и время</source>
        <translation>Встановити дату і час</translation>
    </message>
    <message>
        <source>Прочитать дату и время</source>
        <translation>Прочитати дату і час</translation>
    </message>
    <message>
        <source>Ошибка установки времени!</source>
        <translation>Помилка встановлення часу!</translation>
    </message>
    <message>
        <source>Ошибка чтения времени!</source>
        <translation>Помилка читання часу!</translation>
    </message>
    <message>
        <source>Позиция десятичной точки (&quot;гривны-копейки&quot;)</source>
        <translation>Позиція десяткової крапки (&quot;гривні-копійки&quot;)</translation>
    </message>
    <message>
        <source>Позиция десятичной точки:</source>
        <translation>Позиція десяткової крапки:</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Прочитати</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Подождите пока ККМ перезагрузиться, затем продолжайте</source>
        <translation>Зачекайте, поки ККМ перезавантажиться, потім продовжуйте</translation>
    </message>
    <message>
        <source>Установка текущего времени и заводского номера</source>
        <translation>Встановлення поточного часу та заводського номера</translation>
    </message>
    <message>
        <source>Заводской номер:</source>
        <translation>Заводський номер:</translation>
    </message>
    <message>
        <source>Неверное количество символов в номере! 
 Заводской номер не установлен!</source>
        <translation>Неправильна кількість символів у номері! 
 Заводський номер не встановлено!</translation>
    </message>
    <message>
        <source>Успешно. Заводской номер установлен!</source>
        <translation>Успішно. Заводський номер встановлено!</translation>
    </message>
    <message>
        <source>Чтение ПО</source>
        <translation>Читання ПЗ</translation>
    </message>
    <message>
        <source>HEX файлы (*.HEX *.hex);;Все файлы (*)</source>
        <translation>HEX файли (*.HEX *.hex);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Ошибка! Только десятичные цифры!</source>
        <translation>Помилка! Лише десяткові цифри!</translation>
    </message>
    <message>
        <source>Бинарные файлы (*.bin *.BIN);;Все файлы (*)</source>
        <translation>Бінарні файли (*.bin *.BIN);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Чтение/запись/обнуление фискальной памяти</source>
        <translation>Читання/запис/обнулення фіскальної пам&apos;яті</translation>
    </message>
    <message>
        <source>Результат выполнения:</source>
        <translation>Результат виконання:</translation>
    </message>
    <message>
        <source>Адрес начала данных (номер байта):</source>
        <translation>Адреса початку даних (номер байта):</translation>
    </message>
    <message>
        <source>Количество байтов для чтения.записи:</source>
        <translation>Кількість байтів для читання/запису:</translation>
    </message>
    <message>
        <source>Текущий адрес:</source>
        <translation>Поточна адреса:</translation>
    </message>
    <message>
        <source>Количество повторов при ошибке:</source>
        <translation>Кількість повторів у разі помилки:</translation>
    </message>
    <message>
        <source>Повторов:</source>
        <translation>Повторів:</translation>
    </message>
    <message>
        <source>Обнулить флеш-память</source>
        <translation>Обнулити флеш-пам&apos;ять</translation>
    </message>
    <message>
        <source>Читать флеш-память</source>
        <translation>Читати флеш-пам&apos;ять</translation>
    </message>
    <message>
        <source>Записать флеш-память</source>
        <translation>Записати флеш-пам&apos;ять</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Флеш-память регистратора будет обнулена. Продолжать?</source>
        <translation>Флеш-пам&apos;ять реєстратора буде обнулено. Продовжувати?</translation>
    </message>
    <message>
        <source>Обнуление флеш-памяти отменено!</source>
        <translation>Обнулення флеш-пам&apos;яті скасовано!</translation>
    </message>
    <message>
        <source>Данные будут записаны в выбранный файл. Продолжать?</source>
        <translation>Дані буде записано у вибраний файл. Продовжувати?</translation>
    </message>
    <message>
        <source>Чтение данных из флеш-памяти отменено!</source>
        <translation>Читання даних із флеш-пам&apos;яті скасовано!</translation>
    </message>
    <message>
        <source>Данные будут записаны в флеш-память регистратора. Продолжать?</source>
        <translation>Дані буде записано у флеш-пам&apos;ять реєстратора. Продовжувати?</translation>
    </message>
    <message>
        <source>Запись данных в флеш-память отменена!</source>
        <translation>Запис даних у флеш-пам&apos;ять скасовано!</translation>
    </message>
    <message>
        <source>Не установлены границы для записи. Чтение остановлено!</source>
        <translation>Не встановлено межі для запису. Читання зупинено!</translation>
    </message>
    <message>
        <source>Программирование фискальных параметров</source>
        <translation>Програмування фіскальних параметрів</translation>
    </message>
    <message>
        <source>Идентификационный номер</source>
        <translation>Ідентифікаційний номер</translation>
    </message>
    <message>
        <source>Налоговый номер</source>
        <translation>Податковий номер</translation>
    </message>
    <message>
        <source>Заводской номер регистратора:</source>
        <translation>Заводський номер реєстратора:</translation>
    </message>
    <message>
        <source>Регистрационный номер РРО: (ІД)</source>
        <translation>Реєстраційний номер РРО: (ІД)</translation>
    </message>
    <message>
        <source>(ПН)</source>
        <translation>(ПН)</translation>
    </message>
    <message>
        <source>Фискальный номер:</source>
        <translation>Фіскальний номер:</translation>
    </message>
    <message>
        <source>Запрограммировать</source>
        <translation>Запрограмувати</translation>
    </message>
    <message>
        <source>Налог</source>
        <translation>Податок</translation>
    </message>
    <message>
        <source>Тип налога</source>
        <translation>Тип податку</translation>
    </message>
    <message>
        <source>Ставка налога</source>
        <translation>Ставка податку</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Найменування</translation>
    </message>
    <message>
        <source>Связанная налоговая группа</source>
        <translation>Пов&apos;язана податкова група</translation>
    </message>
    <message>
        <source>Таймаут устройства! GetSerialNumber Ошибка!</source>
        <translation>Таймаут пристрою! GetSerialNumber Помилка!</translation>
    </message>
    <message>
        <source>Ошибка GetSerialNumber!</source>
        <translation>Помилка GetSerialNumber!</translation>
    </message>
    <message>
        <source>Таймаут устройства! GetFiscalNumber Ошибка!</source>
        <translation>Таймаут пристрою! GetFiscalNumber Помилка!</translation>
    </message>
    <message>
        <source>Ошибка GetFiscalNumber!</source>
        <translation>Помилка GetFiscalNumber!</translation>
    </message>
    <message>
        <source>Таймаут устройства! GetTaxIdNumber Ошибка!</source>
        <translation>Таймаут пристрою! GetTaxIdNumber Помилка!</translation>
    </message>
    <message>
        <source>Ошибка GetTaxIdNumber!</source>
        <translation>Помилка GetTaxIdNumber!</translation>
    </message>
    <message>
        <source>Неверная длина фискального номера, исправьте!</source>
        <translation>Неправильна довжина фіскального номера, виправте!</translation>
    </message>
    <message>
        <source>Таймаут устройства! SetFiscalNumber Ошибка!</source>
        <translation>Таймаут пристрою! SetFiscalNumber Помилка!</translation>
    </message>
    <message>
        <source>Ошибка SetFiscalNumber!</source>
        <translation>Помилка SetFiscalNumber!</translation>
    </message>
    <message>
        <source>Неверный длина идентификационного номера, исправьте!</source>
        <translation>Неправильна довжина ідентифікаційного номера, виправте!</translation>
    </message>
    <message>
        <source>Неверный длина налогового номера, исправьте!</source>
        <translation>Неправильна довжина податкового номера, виправте!</translation>
    </message>
    <message>
        <source>(ІД)</source>
        <translation>(ІД)</translation>
    </message>
    <message>
        <source>Таймаут устройства! SetTaxIdNumber Ошибка!</source>
        <translation>Таймаут пристрою! SetTaxIdNumber Помилка!</translation>
    </message>
    <message>
        <source>Ошибка SetTaxIdNumber!</source>
        <translation>Помилка SetTaxIdNumber!</translation>
    </message>
    <message>
        <source>Фіскаліз. реєстратора</source>
        <translation>Фіскаліз. реєстратора</translation>
    </message>
    <message>
        <source>РЕЄСТРАТОР ФІСКАЛІЗОВАНО УСПІШНО!</source>
        <translation>РЕЄСТРАТОР ФІСКАЛІЗОВАНО УСПІШНО!</translation>
    </message>
    <message>
        <source>Заводской номер ККМ:</source>
        <translation>Заводський номер ККМ:</translation>
    </message>
    <message>
        <source>Пароль налогового инспектора:</source>
        <translation>Пароль податкового інспектора:</translation>
    </message>
    <message>
        <source>Повторите ввод пароля:</source>
        <translation>Повторіть введення пароля:</translation>
    </message>
    <message>
        <source>Прервать ожидание</source>
        <translation>Перервати очікування</translation>
    </message>
    <message>
        <source>Ожидание готовности регистратора прервано. Фискализация выполнена, чек подтверждения не напечатан.</source>
        <translation>Очікування готовності реєстратора перервано. Фіскалізацію виконано, чек підтвердження не надруковано.</translation>
    </message>
    <message>
        <source>Регистратор не готов: чек подтверждения фискализации не напечатан.</source>
        <translation>Реєстратор не готовий: чек підтвердження фіскалізації не надруковано.</translation>
    </message>
    <message>
        <source>Фискализация регистратора</source>
        <translation>Фіскалізація реєстратора</translation>
    </message>
    <message>
        <source>Фіскаліз. реєстратора - Успішно!</source>
        <translation>Фіскаліз. реєстратора - Успішно!</translation>
    </message>
    <message>
        <source>Довжина пароля - 6!</source>
        <translation>Довжина пароля - 6!</translation>
    </message>
    <message>
        <source>Повторно зроби ввод паролей та фіскалізацію</source>
        <translation>Повторно зроби ввод паролей та фіскалізацію</translation>
    </message>
    <message>
        <source>Заголовок и рекламный текст</source>
        <translation>Заголовок і рекламний текст</translation>
    </message>
    <message>
        <source>Записать  только непустые поля </source>
        <translation>Записати  лише непорожні поля </translation>
    </message>
    <message>
        <source>центрировать</source>
        <translation>центрувати</translation>
    </message>
    <message>
        <source>Центрировать заголовок чека</source>
        <translation>Центрувати заголовок чека</translation>
    </message>
    <message>
        <source>Отменить центрирование</source>
        <translation>Скасувати центрування</translation>
    </message>
    <message>
        <source>Центрировать рекламный текст</source>
        <translation>Центрувати рекламний текст</translation>
    </message>
    <message>
        <source>Программировать все</source>
        <translation>Програмувати все</translation>
    </message>
    <message>
        <source>Программировать заголовок чека</source>
        <translation>Програмувати заголовок чека</translation>
    </message>
    <message>
        <source>Программировать рекламный текст</source>
        <translation>Програмувати рекламний текст</translation>
    </message>
    <message>
        <source>Читать все</source>
        <translation>Читати все</translation>
    </message>
    <message>
        <source>Читать заголовок чека</source>
        <translation>Читати заголовок чека</translation>
    </message>
    <message>
        <source>Читать рекламный текст</source>
        <translation>Читати рекламний текст</translation>
    </message>
    <message>
        <source>Обнулить заголовок и рекламный текст</source>
        <translation>Обнулити заголовок і рекламний текст</translation>
    </message>
    <message>
        <source>Обнулить заголовок чека</source>
        <translation>Обнулити заголовок чека</translation>
    </message>
    <message>
        <source>Обнулить рекламный текст</source>
        <translation>Обнулити рекламний текст</translation>
    </message>
    <message>
        <source>Операция:</source>
        <translation>Операція:</translation>
    </message>
    <message>
        <source>Ширина ленты (симв.):</source>
        <translation>Ширина стрічки (симв.):</translation>
    </message>
    <message>
        <source>        Текст</source>
        <translation>        Текст</translation>
    </message>
    <message>
        <source>Заголовок.</source>
        <translation>Заголовок.</translation>
    </message>
    <message>
        <source>Рекламный текст.</source>
        <translation>Рекламний текст.</translation>
    </message>
    <message>
        <source>
  Строка </source>
        <translation>
  Рядок </translation>
    </message>
    <message>
        <source> Строка </source>
        <translation> Рядок </translation>
    </message>
    <message>
        <source>Ширина ленты должна быть целым числом больше нуля. Команды не отправлены!</source>
        <translation>Ширина стрічки має бути цілим числом більшим за нуль. Команди не надіслано!</translation>
    </message>
    <message>
        <source>Из фискальной памяти</source>
        <translation>З фіскальної пам&apos;яті</translation>
    </message>
    <message>
        <source>Из карточки</source>
        <translation>З картки</translation>
    </message>
    <message>
        <source>Установить ID_DEV</source>
        <translation>Встановити ID_DEV</translation>
    </message>
    <message>
        <source>Прочитать ID_DEV</source>
        <translation>Прочитати ID_DEV</translation>
    </message>
    <message>
        <source>Не введён ID_DEV. Ошибка!</source>
        <translation>Не введено ID_DEV. Помилка!</translation>
    </message>
    <message>
        <source>Ошибка выполнения команды установка ID_DEV. Таймаут</source>
        <translation>Помилка виконання команди встановлення ID_DEV. Таймаут</translation>
    </message>
    <message>
        <source>Чтение ID_DEV, код ошибки</source>
        <translation>Читання ID_DEV, код помилки</translation>
    </message>
    <message>
        <source>Значение ID_DEV (Hex): </source>
        <translation>Значення ID_DEV (Hex): </translation>
    </message>
    <message>
        <source>Последний успешный сеанс связи с эквайером</source>
        <translation>Останній успішний сеанс зв&apos;язку з еквайєром</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Ошибка записи логотипа</source>
        <translation>Помилка запису логотипа</translation>
    </message>
    <message>
        <source>Файл </source>
        <translation>Файл </translation>
    </message>
    <message>
        <source> не читается как рисунок BMP!</source>
        <translation> не читається як малюнок BMP!</translation>
    </message>
    <message>
        <source> поврежден: </source>
        <translation> пошкоджено: </translation>
    </message>
    <message>
        <source> Рисунок не загружен!</source>
        <translation> Малюнок не завантажено!</translation>
    </message>
    <message>
        <source>данных рисунка в нём меньше, чем указано в его заголовке.</source>
        <translation>даних малюнка в ньому менше, ніж зазначено в його заголовку.</translation>
    </message>
    <message>
        <source>сжатые данные рисунка выходят за его края.</source>
        <translation>стиснуті дані малюнка виходять за його краї.</translation>
    </message>
    <message>
        <source>сжатые данные рисунка задают не все его точки.</source>
        <translation>стиснуті дані малюнка задають не всі його точки.</translation>
    </message>
    <message>
        <source>Программирования логотипа</source>
        <translation>Програмування логотипа</translation>
    </message>
    <message>
        <source>Вид логотипа</source>
        <translation>Вигляд логотипа</translation>
    </message>
    <message>
        <source>Пароль для программирования:</source>
        <translation>Пароль для програмування:</translation>
    </message>
    <message>
        <source>Максимальный размер логотипа (по X, в пикселях):</source>
        <translation>Максимальний розмір логотипа (по X, у пікселях):</translation>
    </message>
    <message>
        <source>Максимальный размер логотипа (по Y, в пикселях):</source>
        <translation>Максимальний розмір логотипа (по Y, у пікселях):</translation>
    </message>
    <message>
        <source>Размер рисунка (по X, в пикселях):</source>
        <translation>Розмір малюнка (по X, у пікселях):</translation>
    </message>
    <message>
        <source>Размер рисунка (по Y, в пикселях):</source>
        <translation>Розмір малюнка (по Y, у пікселях):</translation>
    </message>
    <message>
        <source>Размер для загрузки (по X):</source>
        <translation>Розмір для завантаження (по X):</translation>
    </message>
    <message>
        <source>Размер для загрузки (по Y):</source>
        <translation>Розмір для завантаження (по Y):</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Программировать</source>
        <translation>Програмувати</translation>
    </message>
    <message>
        <source>BMP файл (*.BMP *.bmp)</source>
        <translation>BMP файл (*.BMP *.bmp)</translation>
    </message>
    <message>
        <source>напоминание сделается один раз после включения регистратора</source>
        <translation>нагадування відбудеться один раз після ввімкнення реєстратора</translation>
    </message>
    <message>
        <source>вывести сообщение на дисплей </source>
        <translation>вивести повідомлення на дисплей </translation>
    </message>
    <message>
        <source>вывести сообщение на принтер</source>
        <translation>вивести повідомлення на принтер</translation>
    </message>
    <message>
        <source>дождаться нажатия клавиши регистратора</source>
        <translation>дочекатися натискання клавіші реєстратора</translation>
    </message>
    <message>
        <source>звуковой сигнал</source>
        <translation>звуковий сигнал</translation>
    </message>
    <message>
        <source>Введенное сообщение будет использовано при напоминании о ТО, если <byte value="xd"/>
Вы не ввели текст, то сообщения не будет перезаписано в РРО.</source>
        <translation>Введене повідомлення буде використано під час нагадування про ТО, якщо </translation>
    </message>
    <message>
        <source>Установить сообщение о техническом обслуживании</source>
        <translation>Встановити повідомлення про технічне обслуговування</translation>
    </message>
    <message>
        <source>Напоминать за </source>
        <translation>Нагадувати за </translation>
    </message>
    <message>
        <source>дней.</source>
        <translation>днів.</translation>
    </message>
    <message>
        <source>Маска события</source>
        <translation>Маска події</translation>
    </message>
    <message>
        <source>Напоминание о техническом обслуживании</source>
        <translation>Нагадування про технічне обслуговування</translation>
    </message>
    <message>
        <source>Старый пароль:</source>
        <translation>Старий пароль:</translation>
    </message>
    <message>
        <source>Новый пароль:</source>
        <translation>Новий пароль:</translation>
    </message>
    <message>
        <source>Повторить новый пароль:</source>
        <translation>Повторити новий пароль:</translation>
    </message>
    <message>
        <source>Дата события:</source>
        <translation>Дата події:</translation>
    </message>
    <message>
        <source>Установить напоминание ТО</source>
        <translation>Встановити нагадування ТО</translation>
    </message>
    <message>
        <source>Прочитать информацию об напоминании ТО</source>
        <translation>Прочитати інформацію про нагадування ТО</translation>
    </message>
    <message>
        <source>Отчет ТО</source>
        <translation>Звіт ТО</translation>
    </message>
    <message>
        <source>Добавить строку во временный буфер</source>
        <translation>Додати рядок у тимчасовий буфер</translation>
    </message>
    <message>
        <source>Неверный пароль. Попробуйте ещё раз!</source>
        <translation>Неправильний пароль. Спробуйте ще раз!</translation>
    </message>
    <message>
        <source>Напоминать за</source>
        <translation>Нагадувати за</translation>
    </message>
    <message>
        <source>Установить информацию о сервисном обслуживании</source>
        <translation>Встановити інформацію про сервісне обслуговування</translation>
    </message>
    <message>
        <source>Чтение информации о напоминании сервисного обслуживания</source>
        <translation>Читання інформації про нагадування сервісного обслуговування</translation>
    </message>
    <message>
        <source>Отчет об напоминании ТО</source>
        <translation>Звіт про нагадування ТО</translation>
    </message>
    <message>
        <source>Состояние модема для </source>
        <translation>Стан модема для </translation>
    </message>
    <message>
        <source>Номер (ID_DEV) модема:</source>
        <translation>Номер (ID_DEV) модема:</translation>
    </message>
    <message>
        <source>Дата персонализации::</source>
        <translation>Дата персоналізації::</translation>
    </message>
    <message>
        <source>Ожидаемое время <byte value="xd"/>
истечения 72 часов:</source>
        <translation>Очікуваний час </translation>
    </message>
    <message>
        <source>Время первого не переданного <byte value="xd"/>
чека в модеме:</source>
        <translation>Час першого не переданого </translation>
    </message>
    <message>
        <source>Количество чеков не <byte value="xd"/>
переданных модему:</source>
        <translation>Кількість чеків не </translation>
    </message>
    <message>
        <source>Получить отчет</source>
        <translation>Отримати звіт</translation>
    </message>
    <message>
        <source>Состояние модема. Ошибка!</source>
        <translation>Стан модема. Помилка!</translation>
    </message>
    <message>
        <source>МБ_SAM неисправен</source>
        <translation>МБ_SAM несправний</translation>
    </message>
    <message>
        <source>Карта памяти неисправна</source>
        <translation>Картка пам&apos;яті несправна</translation>
    </message>
    <message>
        <source>Блокировка по неотправке док. 72 час</source>
        <translation>Блокування через ненадсилання док. 72 год</translation>
    </message>
    <message>
        <source>ID_DEV установлен</source>
        <translation>ID_DEV встановлено</translation>
    </message>
    <message>
        <source>Техническая регистрация выполнена</source>
        <translation>Технічну реєстрацію виконано</translation>
    </message>
    <message>
        <source>ЭККР персонализирован</source>
        <translation>ЕККР персоналізовано</translation>
    </message>
    <message>
        <source>Кабель Ethernet подключен</source>
        <translation>Кабель Ethernet підключено</translation>
    </message>
    <message>
        <source>Есть данные для отправки</source>
        <translation>Є дані для надсилання</translation>
    </message>
    <message>
        <source>Печатать</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Дата формирования  первого <byte value="xd"/>
недоставленного документа:</source>
        <translation>Дата формування  першого </translation>
    </message>
    <message>
        <source>Время формирования  первого <byte value="xd"/>
недоставленного документа:</source>
        <translation>Час формування  першого </translation>
    </message>
    <message>
        <source>Дата персонализации:</source>
        <translation>Дата персоналізації:</translation>
    </message>
    <message>
        <source>Время персонализации:</source>
        <translation>Час персоналізації:</translation>
    </message>
    <message>
        <source>Отправить данные на эквайер</source>
        <translation>Надіслати дані на еквайєр</translation>
    </message>
    <message>
        <source>Статический IP-адрес:</source>
        <translation>Статична IP-адреса:</translation>
    </message>
    <message>
        <source>Маска подсети:</source>
        <translation>Маска підмережі:</translation>
    </message>
    <message>
        <source>Шлюз:</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Периодичность связи (мин):</source>
        <translation>Періодичність зв&apos;язку (хв):</translation>
    </message>
    <message>
        <source>Повторная попытка (сек):</source>
        <translation>Повторна спроба (сек):</translation>
    </message>
    <message>
        <source>Проверка состояния удаленного доступа </source>
        <translation>Перевірка стану віддаленого доступу </translation>
    </message>
    <message>
        <source>Некорректный IP-адрес. Ошибка!</source>
        <translation>Некоректна IP-адреса. Помилка!</translation>
    </message>
    <message>
        <source>Некорректный номер порта. Ошибка!</source>
        <translation>Некоректний номер порту. Помилка!</translation>
    </message>
    <message>
        <source>Некорректная величина параметра Периодичность связи. Ошибка!</source>
        <translation>Некоректне значення параметра Періодичність зв&apos;язку. Помилка!</translation>
    </message>
    <message>
        <source>Некорректная величина параметра Повторной попытки. Ошибка!</source>
        <translation>Некоректне значення параметра Повторної спроби. Помилка!</translation>
    </message>
    <message>
        <source>Файл не содержит параметров связи (8 строк до 29 символов). Ошибка.</source>
        <translation>Файл не містить параметрів зв&apos;язку (8 рядків до 29 символів). Помилка.</translation>
    </message>
    <message>
        <source>Символ &quot;;&quot; в имени сети или пароле недопустим. Команда не отправлена!</source>
        <translation>Символ &quot;;&quot; в імені мережі або паролі недопустимий. Команду не надіслано!</translation>
    </message>
    <message>
        <source>Выполнялись продажи</source>
        <translation>Виконувалися продажі</translation>
    </message>
    <message>
        <source>Установить параметры оператора</source>
        <translation>Встановити параметри оператора</translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <source>Пароль оператора:</source>
        <translation>Пароль оператора:</translation>
    </message>
    <message>
        <source>Прочитать параметры оператора</source>
        <translation>Прочитати параметри оператора</translation>
    </message>
    <message>
        <source>Удалить оператора</source>
        <translation>Видалити оператора</translation>
    </message>
    <message>
        <source>Если номер оператора &quot;-1&quot;, то удаляются все опреаторы.</source>
        <translation>Якщо номер оператора &quot;-1&quot;, то видаляються всі оператори.</translation>
    </message>
    <message>
        <source>Ошибка! Номер оператора неверный.</source>
        <translation>Помилка! Номер оператора неправильний.</translation>
    </message>
    <message>
        <source>Оператор </source>
        <translation>Оператор </translation>
    </message>
    <message>
        <source>Пароли режимов</source>
        <translation>Паролі режимів</translation>
    </message>
    <message>
        <source>Новый пароль программирования:</source>
        <translation>Новий пароль програмування:</translation>
    </message>
    <message>
        <source>Новый пароль отчетов:</source>
        <translation>Новий пароль звітів:</translation>
    </message>
    <message>
        <source>Новый пароль администратора:</source>
        <translation>Новий пароль адміністратора:</translation>
    </message>
    <message>
        <source>Пароль администратора:</source>
        <translation>Пароль адміністратора:</translation>
    </message>
    <message>
        <source>Ошибка установки паролей: 
  </source>
        <translation>Помилка встановлення паролів: 
  </translation>
    </message>
    <message>
        <source>Разрешение использования при продаже</source>
        <translation>Дозвіл використання під час продажу</translation>
    </message>
    <message>
        <source>Разрешение использования при возврате</source>
        <translation>Дозвіл використання під час повернення</translation>
    </message>
    <message>
        <source>Разрешение начисления сдачи наличными</source>
        <translation>Дозвіл нарахування решти готівкою</translation>
    </message>
    <message>
        <source>Работа с терминалом</source>
        <translation>Робота з терміналом</translation>
    </message>
    <message>
        <source>Добавить форму оплаты</source>
        <translation>Додати форму оплати</translation>
    </message>
    <message>
        <source>Наименование:</source>
        <translation>Найменування:</translation>
    </message>
    <message>
        <source>Номер:</source>
        <translation>Номер:</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Возврат</source>
        <translation>Повернення</translation>
    </message>
    <message>
        <source>Сдача наличными</source>
        <translation>Решта готівкою</translation>
    </message>
    <message>
        <source>Добавление формы оплаты:
  </source>
        <translation>Додавання форми оплати:
  </translation>
    </message>
    <message>
        <source>Чтение форм оплаты:
  </source>
        <translation>Читання форм оплати:
  </translation>
    </message>
    <message>
        <source>Импульс открытия денежного ящика (Hex) :</source>
        <translation>Імпульс відкриття грошової скриньки (Hex) :</translation>
    </message>
    <message>
        <source>Импульс закрытия денежного ящика (Hex) :</source>
        <translation>Імпульс закриття грошової скриньки (Hex) :</translation>
    </message>
    <message>
        <source>Количество символов в одной линии наименования товара:</source>
        <translation>Кількість символів в одному рядку найменування товару:</translation>
    </message>
    <message>
        <source>Печатать количество-цену вместе</source>
        <translation>Друкувати кількість-ціну разом</translation>
    </message>
    <message>
        <source>Не обнулять базы продаж/товаров</source>
        <translation>Не обнуляти бази продажів/товарів</translation>
    </message>
    <message>
        <source>Отображать опер. продажи на дисплее</source>
        <translation>Відображати опер. продажу на дисплеї</translation>
    </message>
    <message>
        <source>Не печатать рекламу в конце чека</source>
        <translation>Не друкувати рекламу в кінці чека</translation>
    </message>
    <message>
        <source>Выключить обрезчик</source>
        <translation>Вимкнути відрізувач</translation>
    </message>
    <message>
        <source>Печатать логотип пользователя</source>
        <translation>Друкувати логотип користувача</translation>
    </message>
    <message>
        <source>Прогон бумаги под обрезку пустыми строками</source>
        <translation>Прогін паперу під відрізання порожніми рядками</translation>
    </message>
    <message>
        <source>Не осуществлять прогон бумаги под линию отреза </source>
        <translation>Не виконувати прогін паперу під лінію відрізу </translation>
    </message>
    <message>
        <source>Всегда печатать количество товара</source>
        <translation>Завжди друкувати кількість товару</translation>
    </message>
    <message>
        <source>Печатать количество позиций в чеке</source>
        <translation>Друкувати кількість позицій у чеку</translation>
    </message>
    <message>
        <source>Печатать код товара</source>
        <translation>Друкувати код товару</translation>
    </message>
    <message>
        <source>Не печатать контрольную ленту для нефискализированного регистратора</source>
        <translation>Не друкувати контрольну стрічку для нефіскалізованого реєстратора</translation>
    </message>
    <message>
        <source>Печатать сокращенную контр. ленту </source>
        <translation>Друкувати скорочену контр. стрічку </translation>
    </message>
    <message>
        <source>Продолжить печать после восстановления принтера </source>
        <translation>Продовжити друк після відновлення принтера </translation>
    </message>
    <message>
        <source>Мелкий шрифт в чековой ленте</source>
        <translation>Дрібний шрифт у чековій стрічці</translation>
    </message>
    <message>
        <source>Мелкий шрифт в контрольной ленте</source>
        <translation>Дрібний шрифт у контрольній стрічці</translation>
    </message>
    <message>
        <source>Использовать бумагу шириной 57 мм</source>
        <translation>Використовувати папір шириною 57 мм</translation>
    </message>
    <message>
        <source>Очистить все</source>
        <translation>Очистити все</translation>
    </message>
    <message>
        <source>Установить все</source>
        <translation>Встановити все</translation>
    </message>
    <message>
        <source>&quot; должно быть </source>
        <translation>&quot; має бути </translation>
    </message>
    <message>
        <source>Скорость обмена:</source>
        <translation>Швидкість обміну:</translation>
    </message>
    <message>
        <source>Контрастность печати:</source>
        <translation>Контрастність друку:</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Записати</translation>
    </message>
    <message>
        <source>Расширенные параметры печати</source>
        <translation>Розширені параметри друку</translation>
    </message>
    <message>
        <source>Параметры документа</source>
        <translation>Параметри документа</translation>
    </message>
    <message>
        <source>Не выбрана скорость обмена. Команда не отправлена!</source>
        <translation>Не вибрано швидкість обміну. Команду не надіслано!</translation>
    </message>
    <message>
        <source>шестнадцатеричное число от 00 до FF</source>
        <translation>шістнадцяткове число від 00 до FF</translation>
    </message>
    <message>
        <source>целое число от 0 до 99</source>
        <translation>ціле число від 0 до 99</translation>
    </message>
    <message>
        <source>Скорость не сохранена в </source>
        <translation>Швидкість не збережено в </translation>
    </message>
    <message>
        <source>Адрес сервера удаленного доступа:</source>
        <translation>Адреса сервера віддаленого доступу:</translation>
    </message>
    <message>
        <source>Напряжение аккумулятора</source>
        <translation>Напруга акумулятора</translation>
    </message>
    <message>
        <source>Выбор режима связи</source>
        <translation>Вибір режиму зв&apos;язку</translation>
    </message>
    <message>
        <source>Время засыпания аппарата при бездействии аппарата </source>
        <translation>Час засинання апарата за бездіяльності апарата </translation>
    </message>
    <message>
        <source>Режим USB накопителя</source>
        <translation>Режим USB накопичувача</translation>
    </message>
    <message>
        <source>Активация сенсора открытия крышки контрольной ленты(1- активирован)</source>
        <translation>Активація сенсора відкриття кришки контрольної стрічки(1- активовано)</translation>
    </message>
    <message>
        <source>Подкладной бланк</source>
        <translation>Підкладний бланк</translation>
    </message>
    <message>
        <source>Способ хранения описания кассиров</source>
        <translation>Спосіб зберігання опису касирів</translation>
    </message>
    <message>
        <source>Обновление служебных сообщений</source>
        <translation>Оновлення службових повідомлень</translation>
    </message>
    <message>
        <source>Выгрузка журналу на карту если карта рабочая и есть свободное место</source>
        <translation>Вивантаження журналу на картку, якщо картка робоча і є вільне місце</translation>
    </message>
    <message>
        <source>Маленький шрифт чека</source>
        <translation>Маленький шрифт чека</translation>
    </message>
    <message>
        <source>Тип дисплея</source>
        <translation>Тип дисплея</translation>
    </message>
    <message>
        <source>Размер свободной памяти в байтах</source>
        <translation>Розмір вільної пам&apos;яті в байтах</translation>
    </message>
    <message>
        <source>Не выводить комментарии в XML</source>
        <translation>Не виводити коментарі в XML</translation>
    </message>
    <message>
        <source>Открывать ящик автоматически</source>
        <translation>Відкривати скриньку автоматично</translation>
    </message>
    <message>
        <source>Надбавки/скидки в отчете (0 - выводить, 1 - нет)</source>
        <translation>Надбавки/знижки у звіті (0 - виводити, 1 - ні)</translation>
    </message>
    <message>
        <source>Включить датчик крышки</source>
        <translation>Увімкнути датчик кришки</translation>
    </message>
    <message>
        <source>Установить значение MTU для фрагмента данных TCP (500-1460)</source>
        <translation>Встановити значення MTU для фрагмента даних TCP (500-1460)</translation>
    </message>
    <message>
        <source>Не печатать (0) сумму денег в кассе в чеках внесения изъятия</source>
        <translation>Не друкувати (0) суму грошей у касі в чеках внесення видачі</translation>
    </message>
    <message>
        <source>Печатаь (1) в чеках продажи и возврата налоговые ставки с оборотом 0</source>
        <translation>Друкувати (1) у чеках продажу та повернення податкові ставки з оборотом 0</translation>
    </message>
    <message>
        <source>Автоматическая печать (1) ответов об отправке документов на сервер ДПС </source>
        <translation>Автоматичний друк (1) відповідей про надсилання документів на сервер ДПС </translation>
    </message>
    <message>
        <source>Включить (1) удаленный доступ (0 - выключить)</source>
        <translation>Увімкнути (1) віддалений доступ (0 - вимкнути)</translation>
    </message>
    <message>
        <source>Принудительная отправка данных информационному эквайру (1)</source>
        <translation>Примусове надсилання даних інформаційному еквайєру (1)</translation>
    </message>
    <message>
        <source>Индикация сообщений об ошибках для FP-3530T. 0 (по умолчанию)  - отключена, 1 - включена.</source>
        <translation>Індикація повідомлень про помилки для FP-3530T. 0 (за замовчуванням)  - вимкнено, 1 - увімкнено.</translation>
    </message>
    <message>
        <source>Установка текущего значения секунд в часах реального времени.</source>
        <translation>Встановлення поточного значення секунд у годиннику реального часу.</translation>
    </message>
    <message>
        <source>Чтение счетчиков</source>
        <translation>Читання лічильників</translation>
    </message>
    <message>
        <source>Служебный счетчик:</source>
        <translation>Службовий лічильник:</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Значення:</translation>
    </message>
    <message>
        <source>Чтение служебных счетчиков</source>
        <translation>Читання службових лічильників</translation>
    </message>
    <message>
        <source>Установка служебных счетчиков</source>
        <translation>Встановлення службових лічильників</translation>
    </message>
    <message>
        <source>Ошибка команды настройки WiFi</source>
        <translation>Помилка команди налаштування WiFi</translation>
    </message>
    <message>
        <source>Ошибка команды связи с роутером</source>
        <translation>Помилка команди зв&apos;язку з роутером</translation>
    </message>
    <message>
        <source>Соединение с роутером: </source>
        <translation>З&apos;єднання з роутером: </translation>
    </message>
    <message>
        <source>Наименование сети WiFi (SSID):</source>
        <translation>Назва мережі WiFi (SSID):</translation>
    </message>
    <message>
        <source>Режим авторизации:</source>
        <translation>Режим авторизації:</translation>
    </message>
    <message>
        <source>Алгоритм шифрования:</source>
        <translation>Алгоритм шифрування:</translation>
    </message>
    <message>
        <source>Пароль команды:</source>
        <translation>Пароль команди:</translation>
    </message>
    <message>
        <source>Связь с роутером</source>
        <translation>Зв&apos;язок з роутером</translation>
    </message>
    <message>
        <source>Нет соединения</source>
        <translation>Немає з&apos;єднання</translation>
    </message>
    <message>
        <source>Установлено: </source>
        <translation>Встановлено: </translation>
    </message>
    <message>
        <source>Код ошибки: </source>
        <translation>Код помилки: </translation>
    </message>
    <message>
        <source>Данные: </source>
        <translation>Дані: </translation>
    </message>
    <message>
        <source>Статус: </source>
        <translation>Статус: </translation>
    </message>
    <message>
        <source>Регистратор не ответил на команду %1h!</source>
        <translation>Реєстратор не відповів на команду %1h!</translation>
    </message>
    <message>
        <source>Виртуальный порт USB регистратора будет отключен и включен снова.</source>
        <translation>Віртуальний порт USB реєстратора буде вимкнено й увімкнено знову.</translation>
    </message>
    <message>
        <source>Журнал обмена сохранен в </source>
        <translation>Журнал обміну збережено в </translation>
    </message>
    <message>
        <source>Ожидание %1 мс</source>
        <translation>Очікування %1 мс</translation>
    </message>
    <message>
        <source>Обмен с регистратором. %1</source>
        <translation>Обмін з реєстратором. %1</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Перервати</translation>
    </message>
    <message>
        <source>
Это действие нельзя отменить. Продолжить?</source>
        <translation>
Цю дію не можна скасувати. Продовжити?</translation>
    </message>
    <message>
        <source>Если открыт чек, закройте или аннулируйте его: Продажа → Аннулирование и закрытие чека.</source>
        <translation>Якщо чек відкрито, закрийте або анулюйте його: Продаж → Анулювання та закриття чека.</translation>
    </message>
    <message>
        <source>Если открыт чек, закройте его (Продажа → Аннулирование и закрытие чека); если открыта смена, закройте ее Z-отчетом (Отчеты → Печать дневных отчетов).</source>
        <translation>Якщо чек відкрито, закрийте його (Продаж → Анулювання та закриття чека); якщо зміну відкрито, закрийте її Z-звітом (Звіти → Друк денних звітів).</translation>
    </message>
    <message>
        <source>Закройте смену Z-отчетом: Отчеты → Печать дневных отчетов.</source>
        <translation>Закрийте зміну Z-звітом: Звіти → Друк денних звітів.</translation>
    </message>
    <message>
        <source>Проверьте бумагу и крышку принтера регистратора и повторите команду; состояние принтера показывает кнопка &quot;Состояние регистратора&quot;.</source>
        <translation>Перевірте папір і кришку принтера реєстратора та повторіть команду; стан принтера показує кнопка &quot;Стан реєстратора&quot;.</translation>
    </message>
    <message>
        <source>Проверьте поле &quot;Пароль:&quot; этого окна; пароли регистратора задаются в окне Утилиты → Пароли.</source>
        <translation>Перевірте поле &quot;Пароль:&quot; цього вікна; паролі реєстратора задаються у вікні Утиліти → Паролі.</translation>
    </message>
    <message>
        <source>Фискальная память заполнена: прочитайте ее (Утилиты → Фискальная память) и обратитесь в сервисный центр для ее замены.</source>
        <translation>Фіскальну пам&apos;ять заповнено: прочитайте її (Утиліти → Фіскальна пам&apos;ять) і зверніться до сервісного центру для її заміни.</translation>
    </message>
    <message>
        <source>Лента сохранена в </source>
        <translation>Стрічку збережено в </translation>
    </message>
    <message>
        <source>Ожидание прервано пользователем: ответ регистратора не получен!</source>
        <translation>Очікування перервано користувачем: відповіді реєстратора не отримано!</translation>
    </message>
    <message>
        <source>Устройство не удалено (SetupDiSetClassInstallParams)!</source>
        <translation>Пристрій не видалено (SetupDiSetClassInstallParams)!</translation>
    </message>
    <message>
        <source>Устройство не удалено (SetupDiCallInstaller)!</source>
        <translation>Пристрій не видалено (SetupDiCallInstaller)!</translation>
    </message>
    <message>
        <source>Устройство не восстановлено (SetupDiSetClassInstallParams)!</source>
        <translation>Пристрій не відновлено (SetupDiSetClassInstallParams)!</translation>
    </message>
    <message>
        <source>Устройство не восстановлено (SetupDiCallInstaller)!</source>
        <translation>Пристрій не відновлено (SetupDiCallInstaller)!</translation>
    </message>
    <message>
        <source>Контрольная лента будет обнулена.</source>
        <translation>Контрольну стрічку буде обнулено.</translation>
    </message>
    <message>
        <source>Контрольная лента будет выгружена и обнулена, база товаров - обнулена.</source>
        <translation>Контрольну стрічку буде вивантажено й обнулено, базу товарів - обнулено.</translation>
    </message>
    <message>
        <source>Контрольная лента будет выгружена и обнулена.</source>
        <translation>Контрольну стрічку буде вивантажено й обнулено.</translation>
    </message>
    <message>
        <source>Z-отчет закроет смену и запишет ее итоги в фискальную память.</source>
        <translation>Z-звіт закриє зміну та запише її підсумки до фіскальної пам&apos;яті.</translation>
    </message>
    <message>
        <source>Чтение данных из флеш-памяти в файл</source>
        <translation>Читання даних із флеш-пам&apos;яті у файл</translation>
    </message>
    <message>
        <source>Ставки налогов не прочитаны из регистратора: в таблице значения по умолчанию.</source>
        <translation>Ставки податків не прочитано з реєстратора: у таблиці значення за замовчуванням.</translation>
    </message>
    <message>
        <source> Нажмите &quot;Прочитать&quot;.</source>
        <translation> Натисніть &quot;Прочитати&quot;.</translation>
    </message>
    <message>
        <source>Ставки налогов будут записаны в фискальную память регистратора.</source>
        <translation>Ставки податків буде записано до фіскальної пам&apos;яті реєстратора.</translation>
    </message>
    <message>
        <source>Ставки налогов будут записаны в фискальную память регистратора.
</source>
        <translation>Ставки податків буде записано до фіскальної пам&apos;яті реєстратора.
</translation>
    </message>
    <message>
        <source>Регистратор будет фискализирован с заводским номером </source>
        <translation>Реєстратор буде фіскалізовано із заводським номером </translation>
    </message>
    <message>
        <source>: он привязывается к номеру и паролю налогового инспектора навсегда.</source>
        <translation>: його назавжди буде прив&apos;язано до номера й пароля податкового інспектора.</translation>
    </message>
</context>
</TS>
