<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Tesmar</name>
    <message>
        <source>Tesmar %1 (сборка %2, Qt %3)</source>
        <translation>Tesmar %1 (build %2, Qt %3)</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;b&gt;ПО Tesmar (вер. 5.89D3 12.04.2016)&lt;/b&gt;&lt;br&gt;Сервис и тест фискальных регистраторов.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Tesmar software (ver. 5.89D3 12.04.2016)&lt;/b&gt;&lt;br&gt;Service and test of fiscal registrars.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>   Модель:</source>
        <translation>   Model:</translation>
    </message>
    <message>
        <source>,    Версия:</source>
        <translation>,    Version:</translation>
    </message>
    <message>
        <source>Тест команд</source>
        <translation>Command test</translation>
    </message>
    <message>
        <source>Информация о свободных ресурсах и статусе</source>
        <translation>Free resources and status</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Журнал обмена</source>
        <translation>Exchange log</translation>
    </message>
    <message>
        <source>Команды</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>В поле &quot;</source>
        <translation>The field &quot;</translation>
    </message>
    <message>
        <source>&quot; должно быть целое число от </source>
        <translation>&quot; must hold a whole number from </translation>
    </message>
    <message>
        <source> до </source>
        <translation> to </translation>
    </message>
    <message>
        <source>. Команда не отправлена!</source>
        <translation>. The command was not sent!</translation>
    </message>
    <message>
        <source>Состояние регистратора</source>
        <translation>Registrar status</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Код ошибки:</source>
        <translation>Error code:</translation>
    </message>
    <message>
        <source>Информация переданная регистратором неверна. Чтение данных остановлено.</source>
        <translation>The registrar sent wrong information. Reading stopped.</translation>
    </message>
    <message>
        <source>Код команды:</source>
        <translation>Command code:</translation>
    </message>
    <message>
        <source>Командная строка:</source>
        <translation>Command line:</translation>
    </message>
    <message>
        <source>Пароль: </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>Результат выполнения команды:</source>
        <translation>Command result:</translation>
    </message>
    <message>
        <source>Статус регистратора:</source>
        <translation>Registrar status:</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>   Тест команд:  </source>
        <translation>   Command test:  </translation>
    </message>
    <message>
        <source>Неверный код команды</source>
        <translation>Wrong command code</translation>
    </message>
    <message>
        <source>Подключить</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Невозможно подключить порт</source>
        <translation>The port cannot be connected</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка!</source>
        <translation>Device timeout! Error!</translation>
    </message>
    <message>
        <source>Таймаут устройства - регистратор не подключен!</source>
        <translation>Device timeout - the registrar is not connected!</translation>
    </message>
    <message>
        <source>Проверка состояния регистратора</source>
        <translation>Checking the registrar status</translation>
    </message>
    <message>
        <source> Сервис.реж.</source>
        <translation> Service mode</translation>
    </message>
    <message>
        <source>   Порт и скорость не сохранены в </source>
        <translation>   Port and speed not saved in </translation>
    </message>
    <message>
        <source>Cостояния регистратора (ошибка выполнения команды)</source>
        <translation>Registrar status (command failed)</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Код</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Расшифровка</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Повторов</source>
        <translation>Retries</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>ответ не ожидается</source>
        <translation>no answer expected</translation>
    </message>
    <message>
        <source>все</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Только ошибки</source>
        <translation>Errors only</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Код:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Запрос:
</source>
        <translation>Request:
</translation>
    </message>
    <message>
        <source>
Ответ:
</source>
        <translation>
Reply:
</translation>
    </message>
    <message>
        <source>(нет ответа)
</source>
        <translation>(no reply)
</translation>
    </message>
    <message>
        <source>Сохранить журнал обмена</source>
        <translation>Save the exchange log</translation>
    </message>
    <message>
        <source>Журнал обмена не сохранен в </source>
        <translation>The exchange log was not saved in </translation>
    </message>
    <message>
        <source>Продажа</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>Программировать товары</source>
        <translation>Program articles</translation>
    </message>
    <message>
        <source>Фискальный чек</source>
        <translation>Fiscal receipt</translation>
    </message>
    <message>
        <source>Печать нефискального чека</source>
        <translation>Print a non-fiscal receipt</translation>
    </message>
    <message>
        <source>Служебное внесение и изъятие денег</source>
        <translation>Cash in and cash out</translation>
    </message>
    <message>
        <source>Аннулирование и закрытие чека</source>
        <translation>Void and close a receipt</translation>
    </message>
    <message>
        <source>Запуск скрипта</source>
        <translation>Run a script</translation>
    </message>
    <message>
        <source>Отчеты</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Печать дневных отчетов FKP101</source>
        <translation>Print daily reports FKP101</translation>
    </message>
    <message>
        <source>Печать дневных отчетов</source>
        <translation>Print daily reports</translation>
    </message>
    <message>
        <source>Печать периодического отчета </source>
        <translation>Print a periodic report </translation>
    </message>
    <message>
        <source>Отчет по реализованным товарам</source>
        <translation>Report of goods sold</translation>
    </message>
    <message>
        <source>Печать дополнительных дневных отчетов</source>
        <translation>Print additional daily reports</translation>
    </message>
    <message>
        <source>Копия фискальных чеков по сквозным номерам</source>
        <translation>Copies of fiscal receipts by running numbers</translation>
    </message>
    <message>
        <source>Утилиты</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Заголовок чека и рекламный текст</source>
        <translation>Receipt header and advertising text</translation>
    </message>
    <message>
        <source>Параметры операторов</source>
        <translation>Operator settings</translation>
    </message>
    <message>
        <source>Параметры оплаты</source>
        <translation>Payment settings</translation>
    </message>
    <message>
        <source>Пароли</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>Загрузка логотипа</source>
        <translation>Logo upload</translation>
    </message>
    <message>
        <source>Чтение внутреннего ПО</source>
        <translation>Firmware read-out</translation>
    </message>
    <message>
        <source>Фискальная память</source>
        <translation>Fiscal memory</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Техническое обслуживание</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>Служебные счетчики</source>
        <translation>Service counters</translation>
    </message>
    <message>
        <source>Тест денежного ящика</source>
        <translation>Cash drawer test</translation>
    </message>
    <message>
        <source>Фискальные параметры</source>
        <translation>Fiscal parameters</translation>
    </message>
    <message>
        <source>Установить заводской номер</source>
        <translation>Set the serial number</translation>
    </message>
    <message>
        <source>Чтение и программирование</source>
        <translation>Read and program</translation>
    </message>
    <message>
        <source>Параметры регистратора</source>
        <translation>Registrar parameters</translation>
    </message>
    <message>
        <source>Параметры удаленного доступа</source>
        <translation>Remote access parameters</translation>
    </message>
    <message>
        <source>Параметры настройки WiFi</source>
        <translation>WiFi settings</translation>
    </message>
    <message>
        <source>Параметры связи с эквайером</source>
        <translation>Acquirer link settings</translation>
    </message>
    <message>
        <source>Позиция десятичной точки</source>
        <translation>Decimal point position</translation>
    </message>
    <message>
        <source>Фискализация</source>
        <translation>Fiscalization</translation>
    </message>
    <message>
        <source>Установить и прочитать ID_DEV</source>
        <translation>Set and read ID_DEV</translation>
    </message>
    <message>
        <source>Состояние модема</source>
        <translation>Modem state</translation>
    </message>
    <message>
        <source>Последний сеанс связи с эквайером</source>
        <translation>Last acquirer session</translation>
    </message>
    <message>
        <source>ПО Tesmar (вер. 5.89D3 12.04.2016)</source>
        <translation>Tesmar software (ver. 5.89D3 12.04.2016)</translation>
    </message>
    <message>
        <source>Библиотека USB </source>
        <translation>The USB library </translation>
    </message>
    <message>
        <source> не установлена!</source>
        <translation> is not installed!</translation>
    </message>
    <message>
        <source>Подключение к последовательному порту (включая виртуальный)</source>
        <translation>Serial port connection (virtual ports included)</translation>
    </message>
    <message>
        <source>Восстановить USB</source>
        <translation>Restore USB</translation>
    </message>
    <message>
        <source>Последовательный порт:</source>
        <translation>Serial port:</translation>
    </message>
    <message>
        <source>Скорость порта (бод):</source>
        <translation>Port speed (baud):</translation>
    </message>
    <message>
        <source>Подключение к USB</source>
        <translation>USB connection</translation>
    </message>
    <message>
        <source>Пересканировать</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Банковский терминал</source>
        <translation>Bank terminal</translation>
    </message>
    <message>
        <source>Проверка портов: </source>
        <translation>Checking ports: </translation>
    </message>
    <message>
        <source>Тестирование USB устройств: Шаг </source>
        <translation>Testing USB devices: step </translation>
    </message>
    <message>
        <source>Файл tsinit.ini отсутствует.
 Создание файла!</source>
        <translation>The file tsinit.ini is missing.
 Creating it!</translation>
    </message>
    <message>
        <source>Подтверждение программирования</source>
        <translation>Confirm programming</translation>
    </message>
    <message>
        <source>Запрограммировать фискальный номер</source>
        <translation>Program the fiscal number</translation>
    </message>
    <message>
        <source>Запрограммировать идентификационный/налоговый номер РРО</source>
        <translation>Program the identification/tax number of the cash register</translation>
    </message>
    <message>
        <source>Запрограммировать налоги</source>
        <translation>Program the taxes</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Результат операции</source>
        <translation>Operation result</translation>
    </message>
    <message>
        <source>Фискальный номер - </source>
        <translation>Fiscal number - </translation>
    </message>
    <message>
        <source>Регистрационный номер - </source>
        <translation>Registration number - </translation>
    </message>
    <message>
        <source>Ставки налогов - </source>
        <translation>Tax rates - </translation>
    </message>
    <message>
        <source>успешно.</source>
        <translation>done.</translation>
    </message>
    <message>
        <source>ошибка.</source>
        <translation>error.</translation>
    </message>
    <message>
        <source>не программировались.</source>
        <translation>not programmed.</translation>
    </message>
    <message>
        <source>не программировался.</source>
        <translation>not programmed.</translation>
    </message>
    <message>
        <source>Разрешение фискализации</source>
        <translation>Fiscalization allowed</translation>
    </message>
    <message>
        <source>Разрешение записи заводского номера </source>
        <translation>Serial number writing allowed </translation>
    </message>
    <message>
        <source>Разрешение записи фискального номера </source>
        <translation>Fiscal number writing allowed </translation>
    </message>
    <message>
        <source>Разрешение записи налогового номера</source>
        <translation>Tax number writing allowed</translation>
    </message>
    <message>
        <source>Разрешение записи комплекта налоговых ставок</source>
        <translation>Tax rate set writing allowed</translation>
    </message>
    <message>
        <source>Разрешение записи пароля доступа к ФП</source>
        <translation>Fiscal memory password writing allowed</translation>
    </message>
    <message>
        <source>Количество аварийных обнулений:</source>
        <translation>Emergency resets:</translation>
    </message>
    <message>
        <source>Свободно фискальных отчетов:</source>
        <translation>Free fiscal reports:</translation>
    </message>
    <message>
        <source>Дата открытия смены:</source>
        <translation>Shift opened on:</translation>
    </message>
    <message>
        <source>Время открытия смены:</source>
        <translation>Shift opened at:</translation>
    </message>
    <message>
        <source>Свободно записей в базе товаров:</source>
        <translation>Free article records:</translation>
    </message>
    <message>
        <source>Свободно чеков:</source>
        <translation>Free receipts:</translation>
    </message>
    <message>
        <source>Сделать отчет</source>
        <translation>Make the report</translation>
    </message>
    <message>
        <source>Информация о свободных ресурсах и статусе - Успешно!</source>
        <translation>Free resources and status - Success!</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 0 (общее состояние)</source>
        <translation>Registrar status - byte 0 (general state)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 1 (состояние принтера)</source>
        <translation>Registrar status - byte 1 (printer state)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 2 (состояние чека)</source>
        <translation>Registrar status - byte 2 (receipt state)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 3 (состояние переключателей)</source>
        <translation>Registrar status - byte 3 (switches)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 4 (фискальная память)</source>
        <translation>Registrar status - byte 4 (fiscal memory)</translation>
    </message>
    <message>
        <source>Статус регистратора - байт 5 (фискальная память)</source>
        <translation>Registrar status - byte 5 (fiscal memory)</translation>
    </message>
    <message>
        <source>(1) Регистратор находится в сервисном режиме</source>
        <translation>(1) The registrar is in service mode</translation>
    </message>
    <message>
        <source>(2) Буфер документа близок к концу</source>
        <translation>(2) The document buffer is nearly full</translation>
    </message>
    <message>
        <source>(4) Дата/ время не установлены после обнуления ОЗУ</source>
        <translation>(4) Date/time not set after the RAM reset</translation>
    </message>
    <message>
        <source>(8) Дисплей не подключен</source>
        <translation>(8) The display is not connected</translation>
    </message>
    <message>
        <source>(10) Механизм печатающего устройства неисправен</source>
        <translation>(10) The print mechanism is faulty</translation>
    </message>
    <message>
        <source>(20) Для новых настроек необходимо перегрузить ЭККР</source>
        <translation>(20) Restart the cash register for the new settings</translation>
    </message>
    <message>
        <source>(40) Другие ошибки оборудования</source>
        <translation>(40) Other hardware errors</translation>
    </message>
    <message>
        <source>(80) Всегда установлен</source>
        <translation>(80) Always set</translation>
    </message>
    <message>
        <source>(1) Заканчивается чековая лента (для  Datecs FP-T260)</source>
        <translation>(1) Receipt paper running out (for  Datecs FP-T260)</translation>
    </message>
    <message>
        <source>(2) Заканчивается контрольная лента (для  Datecs FP-T260)</source>
        <translation>(2) Control tape running out (for  Datecs FP-T260)</translation>
    </message>
    <message>
        <source>(4) Закончилась чековая лента</source>
        <translation>(4) Receipt paper out</translation>
    </message>
    <message>
        <source>(8) Закончилась контрольная лента</source>
        <translation>(8) Control tape out</translation>
    </message>
    <message>
        <source>(10) Открыта крышка принтера</source>
        <translation>(10) Printer cover open</translation>
    </message>
    <message>
        <source>(20) Осуществляется ручная протяжка бумаги</source>
        <translation>(20) Paper being fed by hand</translation>
    </message>
    <message>
        <source>(40) Буфер принтера не пуст (есть еще не распечатанные данные)</source>
        <translation>(40) Printer buffer not empty (data not yet printed)</translation>
    </message>
    <message>
        <source>(1) Состояние чека</source>
        <translation>(1) Receipt state</translation>
    </message>
    <message>
        <source>(2) Состояние чека</source>
        <translation>(2) Receipt state</translation>
    </message>
    <message>
        <source>(4) Состояние чека</source>
        <translation>(4) Receipt state</translation>
    </message>
    <message>
        <source>(8) Текущее состояние чека</source>
        <translation>(8) Current receipt state</translation>
    </message>
    <message>
        <source>(10) Открыт чек возврата</source>
        <translation>(10) Refund receipt open</translation>
    </message>
    <message>
        <source>(20) Резерв</source>
        <translation>(20) Reserved</translation>
    </message>
    <message>
        <source>(40) Резерв</source>
        <translation>(40) Reserved</translation>
    </message>
    <message>
        <source>(4) Автономный режим работы</source>
        <translation>(4) Autonomous mode</translation>
    </message>
    <message>
        <source>(8) Резерв</source>
        <translation>(8) Reserved</translation>
    </message>
    <message>
        <source>(10) Резерв</source>
        <translation>(10) Reserved</translation>
    </message>
    <message>
        <source>(20) Версия внутреннего ПО не активирована</source>
        <translation>(20) Firmware version not activated</translation>
    </message>
    <message>
        <source>(40) Связь с WiFi модулем</source>
        <translation>(40) Link with the WiFi module</translation>
    </message>
    <message>
        <source>(1) Заводской номер запрограммирован</source>
        <translation>(1) Serial number programmed</translation>
    </message>
    <message>
        <source>(2) Регистратор фискализирован</source>
        <translation>(2) Registrar fiscalized</translation>
    </message>
    <message>
        <source>(4) В ФП места менее чем на 30 отчетов</source>
        <translation>(4) Fiscal memory has room for fewer than 30 reports</translation>
    </message>
    <message>
        <source>(8) Фискальная память переполнена</source>
        <translation>(8) Fiscal memory full</translation>
    </message>
    <message>
        <source>(10) ID_DEV установлен</source>
        <translation>(10) ID_DEV set</translation>
    </message>
    <message>
        <source>(20) Регистратор персонализирован</source>
        <translation>(20) Registrar personalized</translation>
    </message>
    <message>
        <source>(40) Возникла ошибка фискальной памяти (CRC)</source>
        <translation>(40) Fiscal memory error (CRC)</translation>
    </message>
    <message>
        <source>(1) Резерв</source>
        <translation>(1) Reserved</translation>
    </message>
    <message>
        <source>(2) Резерв</source>
        <translation>(2) Reserved</translation>
    </message>
    <message>
        <source>(4) Низкий заряд батареи</source>
        <translation>(4) Battery low</translation>
    </message>
    <message>
        <source>(8) Сработало оповещение</source>
        <translation>(8) Alert triggered</translation>
    </message>
    <message>
        <source>(10) Смена открыта</source>
        <translation>(10) Shift open</translation>
    </message>
    <message>
        <source>(20) Часы нуждаются в корректировке</source>
        <translation>(20) The clock needs correcting</translation>
    </message>
    <message>
        <source>(40) До конца смены(24 часа) осталось меньше 60 минут</source>
        <translation>(40) Less than 60 minutes left of the shift (24 hours)</translation>
    </message>
    <message>
        <source>0. Документ закрыт</source>
        <translation>0. Document closed</translation>
    </message>
    <message>
        <source>1. Отпечатан заголовок чека</source>
        <translation>1. Receipt header printed</translation>
    </message>
    <message>
        <source>2. Выполнена операция продажи</source>
        <translation>2. Sale made</translation>
    </message>
    <message>
        <source>3. Состояние оплаты</source>
        <translation>3. Payment</translation>
    </message>
    <message>
        <source>4. Завершение</source>
        <translation>4. Completion</translation>
    </message>
    <message>
        <source>5. Произвольный текстовый документ открыт</source>
        <translation>5. Free text document open</translation>
    </message>
    <message>
        <source>6. Произведена скидка/надбавка на сумму</source>
        <translation>6. Discount/surcharge on the total made</translation>
    </message>
    <message>
        <source>7. Открыт чек  внесения/изъятия</source>
        <translation>7. Cash in/out receipt  open</translation>
    </message>
    <message>
        <source>8. Резерв</source>
        <translation>8. Reserved</translation>
    </message>
    <message>
        <source>9. Режим АННУЛИРОВАНИЕ</source>
        <translation>9. VOID mode</translation>
    </message>
    <message>
        <source>Байты состояния регистратора</source>
        <translation>Registrar status bytes</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>(1)Блокировка 72 часа, данные не переданы</source>
        <translation>(1)Blocked for 72 hours, data not sent</translation>
    </message>
    <message>
        <source>(2)Не все чеки переданы в модем, база товаров не обнулена</source>
        <translation>(2)Not all receipts sent to the modem, article base not cleared</translation>
    </message>
    <message>
        <source>Лента</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Сохранить PNG</source>
        <translation>Save PNG</translation>
    </message>
    <message>
        <source>Сохранить ленту</source>
        <translation>Save the tape</translation>
    </message>
    <message>
        <source>Лента не сохранена в </source>
        <translation>The tape was not saved in </translation>
    </message>
    <message>
        <source>Язык интерфейса (со следующего запуска)</source>
        <translation>Interface language (from the next start)</translation>
    </message>
    <message>
        <source>Язык интерфейса изменится при следующем запуске программы.</source>
        <translation>The interface language changes at the program&apos;s next start.</translation>
    </message>
    <message>
        <source>Не удалось записать %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>Переменные</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Поле &quot;</source>
        <translation>Field &quot;</translation>
    </message>
    <message>
        <source>&quot;: символы &quot;</source>
        <translation>&quot;: the characters &quot;</translation>
    </message>
    <message>
        <source>&quot; не передаются регистратору (кодировка Windows-1251). Команда не отправлена!</source>
        <translation>&quot; cannot be sent to the registrar (Windows-1251 encoding). The command was not sent!</translation>
    </message>
    <message>
        <source>Команда 20h: Установка даты и времени</source>
        <translation>Command 20h: Set date and time</translation>
    </message>
    <message>
        <source>Команда 21h: Чтение даты и времени</source>
        <translation>Command 21h: Read date and time</translation>
    </message>
    <message>
        <source>Параметров нет</source>
        <translation>No parameters</translation>
    </message>
    <message>
        <source>Команда 22h: Программирование заголовка и окончания документа</source>
        <translation>Command 22h: Program document header and footer</translation>
    </message>
    <message>
        <source>&lt;номер строки&gt;;&lt;текст&gt;;</source>
        <translation>&lt;line number&gt;;&lt;text&gt;;</translation>
    </message>
    <message>
        <source>Команда 23h: Чтение заголовка и окончания документа</source>
        <translation>Command 23h: Read document header and footer</translation>
    </message>
    <message>
        <source>&lt;номер строки&gt;;</source>
        <translation>&lt;line number&gt;;</translation>
    </message>
    <message>
        <source>Команда 24h: Добавление товара</source>
        <translation>Command 24h: Add an article</translation>
    </message>
    <message>
        <source>&lt;код товара&gt;;&lt;наименование&gt;;&lt;цена&gt;;&lt;налоговая группа&gt;;&lt;номер отдела&gt;;</source>
        <translation>&lt;article code&gt;;&lt;name&gt;;&lt;price&gt;;&lt;tax group&gt;;&lt;department&gt;;</translation>
    </message>
    <message>
        <source>Команда 25h: Поиск индекса товара</source>
        <translation>Command 25h: Find an article&apos;s index</translation>
    </message>
    <message>
        <source>&lt;код товара&gt;;</source>
        <translation>&lt;article code&gt;;</translation>
    </message>
    <message>
        <source>Команда 26h: Чтение параметров товара по индексу</source>
        <translation>Command 26h: Read an article by index</translation>
    </message>
    <message>
        <source>&lt;индекс товара&gt;;</source>
        <translation>&lt;article index&gt;;</translation>
    </message>
    <message>
        <source>Команда 27h: Программирование параметров регистратора</source>
        <translation>Command 27h: Program registrar parameters</translation>
    </message>
    <message>
        <source>&lt;скор.&gt;;&lt;контр.печ.&gt;;&lt;парам. док.&gt;;&lt;лог.польз.&gt;;&lt;имп.ден.ящика&gt;;&lt;обн.баз.тов.&gt;;</source>
        <translation>&lt;speed&gt;;&lt;ctrl.print&gt;;&lt;doc. params&gt;;&lt;user logo&gt;;&lt;drawer pulse&gt;;&lt;clear art.base&gt;;</translation>
    </message>
    <message>
        <source>Команда 28h: Получение параметров регистратора</source>
        <translation>Command 28h: Read registrar parameters</translation>
    </message>
    <message>
        <source>Команда 29h: Установка логотипа пользователя</source>
        <translation>Command 29h: Set the user logo</translation>
    </message>
    <message>
        <source>&lt;номер линии&gt;;&lt;содержание линии(пикселы упак. в байты)&gt;;</source>
        <translation>&lt;line number&gt;;&lt;line contents (pixels packed in bytes)&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Bh: Установить пароли Режимов</source>
        <translation>Command 2Bh: Set mode passwords</translation>
    </message>
    <message>
        <source>&lt;пароль ручных отчетов&gt;;&lt;пароль прогр.&gt;;&lt;пароль отчетов&gt;;&lt;пароль администратора&gt;;</source>
        <translation>&lt;manual reports password&gt;;&lt;programming password&gt;;&lt;reports password&gt;;&lt;administrator password&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Ch: Сбросить пароль Оператора</source>
        <translation>Command 2Ch: Reset an operator&apos;s password</translation>
    </message>
    <message>
        <source>&lt;индекс оператора&gt;;</source>
        <translation>&lt;operator index&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Dh: Установка параметров оплаты</source>
        <translation>Command 2Dh: Set payment parameters</translation>
    </message>
    <message>
        <source>&lt;номер оплаты&gt;;&lt;маска разрешений&gt;;&lt;наименование&gt;;</source>
        <translation>&lt;payment number&gt;;&lt;permission mask&gt;;&lt;name&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Eh: Чтение параметров оплаты</source>
        <translation>Command 2Eh: Read payment parameters</translation>
    </message>
    <message>
        <source>&lt;номер оплаты&gt;;</source>
        <translation>&lt;payment number&gt;;</translation>
    </message>
    <message>
        <source>Команда 2Fh: Установка параметров оператора</source>
        <translation>Command 2Fh: Set operator parameters</translation>
    </message>
    <message>
        <source>&lt;индекс оператора&gt;;&lt;пароль&gt;;&lt;имя&gt;;</source>
        <translation>&lt;operator index&gt;;&lt;password&gt;;&lt;name&gt;;</translation>
    </message>
    <message>
        <source>Команда 30h: Чтение параметров оператора</source>
        <translation>Command 30h: Read operator parameters</translation>
    </message>
    <message>
        <source>Команда 40h: Фискализация</source>
        <translation>Command 40h: Fiscalization</translation>
    </message>
    <message>
        <source>&lt;заводской номер&gt;;</source>
        <translation>&lt;serial number&gt;;</translation>
    </message>
    <message>
        <source>Команда 41h: Программирование заводского номера</source>
        <translation>Command 41h: Program the serial number</translation>
    </message>
    <message>
        <source>Команда 42h: Чтение заводского номера</source>
        <translation>Command 42h: Read the serial number</translation>
    </message>
    <message>
        <source>Команда 43h: Программирование фискального номера</source>
        <translation>Command 43h: Program the fiscal number</translation>
    </message>
    <message>
        <source>&lt;фискальный номер&gt;</source>
        <translation>&lt;fiscal number&gt;</translation>
    </message>
    <message>
        <source>Команда 44h: Чтение фискального номера</source>
        <translation>Command 44h: Read the fiscal number</translation>
    </message>
    <message>
        <source>Команда 45h: Программирование налогового/идентификационного номера</source>
        <translation>Command 45h: Program the tax/identification number</translation>
    </message>
    <message>
        <source>&lt;налоговый/идентификационный номер&gt;;&lt;тип номера&gt;;</source>
        <translation>&lt;tax/identification number&gt;;&lt;number type&gt;;</translation>
    </message>
    <message>
        <source>Команда 46h: Чтение налогового/идентификационного номера</source>
        <translation>Command 46h: Read the tax/identification number</translation>
    </message>
    <message>
        <source>&lt;Параметров нет&gt;</source>
        <translation>&lt;No parameters&gt;</translation>
    </message>
    <message>
        <source>Команда 47h: Установка налоговых ставок</source>
        <translation>Command 47h: Set tax rates</translation>
    </message>
    <message>
        <source>&lt;номер налога&gt;;&lt;маска&gt;;&lt;значение налога&gt;;&lt;наименование&gt;;</source>
        <translation>&lt;tax number&gt;;&lt;mask&gt;;&lt;tax value&gt;;&lt;name&gt;;</translation>
    </message>
    <message>
        <source>Команда 48h: Чтение налоговых ставок</source>
        <translation>Command 48h: Read tax rates</translation>
    </message>
    <message>
        <source>&lt;номер налога&gt;;</source>
        <translation>&lt;tax number&gt;;</translation>
    </message>
    <message>
        <source>Команда 60h: Открытие нефискального чека</source>
        <translation>Command 60h: Open a non-fiscal receipt</translation>
    </message>
    <message>
        <source>Команда 61h: Печать текста</source>
        <translation>Command 61h: Print text</translation>
    </message>
    <message>
        <source>&lt;текст&gt;;</source>
        <translation>&lt;text&gt;;</translation>
    </message>
    <message>
        <source>Команда 62h: Закрытие нефискального чека</source>
        <translation>Command 62h: Close a non-fiscal receipt</translation>
    </message>
    <message>
        <source>Команда 63h: Открытие фискального чека</source>
        <translation>Command 63h: Open a fiscal receipt</translation>
    </message>
    <message>
        <source>&lt;Номер оператора&gt;;&lt;номер кассы&gt;;&lt;чек возврата&gt;;</source>
        <translation>&lt;Operator number&gt;;&lt;till number&gt;;&lt;refund receipt&gt;;</translation>
    </message>
    <message>
        <source>Команда 64h: Продажа запрограммированного товара</source>
        <translation>Command 64h: Sell a programmed article</translation>
    </message>
    <message>
        <source>&lt;код товара&gt;;&lt;количество&gt;;</source>
        <translation>&lt;article code&gt;;&lt;quantity&gt;;</translation>
    </message>
    <message>
        <source>Команда 65h: Закрытие  фискального чека</source>
        <translation>Command 65h: Close  a fiscal receipt</translation>
    </message>
    <message>
        <source>Команда 66h: Копия чека</source>
        <translation>Command 66h: Receipt copy</translation>
    </message>
    <message>
        <source>&lt;количество копий(0-3)&gt;</source>
        <translation>&lt;number of copies (0-3)&gt;</translation>
    </message>
    <message>
        <source>Команда 67h: Оплата</source>
        <translation>Command 67h: Payment</translation>
    </message>
    <message>
        <source>&lt;тип оплаты&gt;;&lt;сумма платежа&gt;;</source>
        <translation>&lt;payment type&gt;;&lt;amount&gt;;</translation>
    </message>
    <message>
        <source>Команда 68h: Скидка/наценка на товар процентная</source>
        <translation>Command 68h: Percentage discount/markup on an article</translation>
    </message>
    <message>
        <source>&lt;значение скидки&gt;</source>
        <translation>&lt;discount value&gt;</translation>
    </message>
    <message>
        <source>Команда 69h: Скидка/наценка на товар абсолютная</source>
        <translation>Command 69h: Absolute discount/markup on an article</translation>
    </message>
    <message>
        <source>Команда 6Ah: Дополнительный налог</source>
        <translation>Command 6Ah: Additional tax</translation>
    </message>
    <message>
        <source>&lt;номер налога&gt;</source>
        <translation>&lt;tax number&gt;</translation>
    </message>
    <message>
        <source>Команда 6Bh: Аннулирования</source>
        <translation>Command 6Bh: Void</translation>
    </message>
    <message>
        <source>&lt;тип операции аннулирования(0-3)&gt;</source>
        <translation>&lt;void operation type (0-3)&gt;</translation>
    </message>
    <message>
        <source>Команда 6Ch: Скидка/наценка на сумму процентная</source>
        <translation>Command 6Ch: Percentage discount/markup on the total</translation>
    </message>
    <message>
        <source>Команда 6Dh: Напечатать итог</source>
        <translation>Command 6Dh: Print the total</translation>
    </message>
    <message>
        <source>Команда 6Eh: Внесение/выдача сумм</source>
        <translation>Command 6Eh: Cash in/out</translation>
    </message>
    <message>
        <source>&lt;номер оператора&gt;;&lt;величина служебного внесения-служебной выдачи&gt;;</source>
        <translation>&lt;operator number&gt;;&lt;cash in or cash out amount&gt;;</translation>
    </message>
    <message>
        <source>Команда 6Fh: Печать штрих кода</source>
        <translation>Command 6Fh: Print a bar code</translation>
    </message>
    <message>
        <source>&lt;высота кода в линиях-пикселях&gt;;&lt;линия для печати штрихкода&gt;;</source>
        <translation>&lt;code height in pixel lines&gt;;&lt;bar code line to print&gt;;</translation>
    </message>
    <message>
        <source>Команда 80h: Диагностическая информация</source>
        <translation>Command 80h: Diagnostic information</translation>
    </message>
    <message>
        <source>Команда 81h: Вывод информации на дисплей</source>
        <translation>Command 81h: Show information on the display</translation>
    </message>
    <message>
        <source>&lt;функция  (0-3)&gt;;&lt;текст&gt;;</source>
        <translation>&lt;function  (0-3)&gt;;&lt;text&gt;;</translation>
    </message>
    <message>
        <source>Команда 82h: Звук</source>
        <translation>Command 82h: Sound</translation>
    </message>
    <message>
        <source>&lt;номер мелодии&gt;;</source>
        <translation>&lt;tune number&gt;;</translation>
    </message>
    <message>
        <source>Команда 83h: Открытие денежного ящика</source>
        <translation>Command 83h: Open the cash drawer</translation>
    </message>
    <message>
        <source>Команда A0h: Информация о свободных ресурсах и статусе</source>
        <translation>Command A0h: Free resources and status</translation>
    </message>
    <message>
        <source>Команда A1h: Печать отчетов</source>
        <translation>Command A1h: Print reports</translation>
    </message>
    <message>
        <source>&lt;тип отчета (0-3)&gt;;</source>
        <translation>&lt;report type (0-3)&gt;;</translation>
    </message>
    <message>
        <source>Команда A2h: Поиск отчета по дате</source>
        <translation>Command A2h: Find a report by date</translation>
    </message>
    <message>
        <source>&lt;дата DDMMYY&gt;;&lt;тип: 0 - первый, 1 - последний&gt;;</source>
        <translation>&lt;date DDMMYY&gt;;&lt;type: 0 - first, 1 - last&gt;;</translation>
    </message>
    <message>
        <source>Команда A3h: Печать периодического отчета</source>
        <translation>Command A3h: Print a periodic report</translation>
    </message>
    <message>
        <source>&lt;номер начального&gt;;&lt;номер завершающего&gt;;&lt;тип: 0 - сокращенный, 1 - полный&gt;;</source>
        <translation>&lt;first number&gt;;&lt;last number&gt;;&lt;type: 0 - short, 1 - full&gt;;</translation>
    </message>
    <message>
        <source>Неверная команда</source>
        <translation>Wrong command</translation>
    </message>
    <message>
        <source>Обмен прерван: регистратор не ответил за </source>
        <translation>Exchange stopped: the registrar did not answer within </translation>
    </message>
    <message>
        <source> мс (tsinit.ini, [Fiscal Printer] ExchangeLimit)!</source>
        <translation> ms (tsinit.ini, [Fiscal Printer] ExchangeLimit)!</translation>
    </message>
    <message>
        <source>Ошибка выбора устройства подключения!</source>
        <translation>Error choosing the connection device!</translation>
    </message>
    <message>
        <source>Строка параметров длиннее 219 байт: команда не отправлена!</source>
        <translation>The parameter string is longer than 219 bytes: the command was not sent!</translation>
    </message>
    <message>
        <source>Код команды должен быть от 20h до FFh: команда не отправлена!</source>
        <translation>The command code must be 20h to FFh: the command was not sent!</translation>
    </message>
    <message>
        <source>Регистратор не ответил на проверочный запрос (21h): команда не отправлена!</source>
        <translation>The registrar did not answer the check request (21h): the command was not sent!</translation>
    </message>
    <message>
        <source> устаревший ответ отброшен</source>
        <translation> stale reply dropped</translation>
    </message>
    <message>
        <source>Неизвестная ошибка!</source>
        <translation>Unknown error!</translation>
    </message>
    <message>
        <source>Неопределенная ошибка оборудования!</source>
        <translation>Undefined hardware error!</translation>
    </message>
    <message>
        <source>Ошибка принтера!</source>
        <translation>Printer error!</translation>
    </message>
    <message>
        <source>Ошибка RAM!</source>
        <translation>RAM error!</translation>
    </message>
    <message>
        <source>Ошибка контрольной суммы памяти программы!</source>
        <translation>Program memory checksum error!</translation>
    </message>
    <message>
        <source>Ошибка Flash памяти!</source>
        <translation>Flash memory error!</translation>
    </message>
    <message>
        <source>Ошибка дисплея!</source>
        <translation>Display error!</translation>
    </message>
    <message>
        <source>Ошибка часов, необходимо скорректировать время!</source>
        <translation>Clock error, the time must be corrected!</translation>
    </message>
    <message>
        <source>Ошибка, возникшая в связи с понижением напряжения питания!</source>
        <translation>Error caused by a drop in the supply voltage!</translation>
    </message>
    <message>
        <source>SIM: отказ оборудования!</source>
        <translation>SIM: hardware failure!</translation>
    </message>
    <message>
        <source>MMC: отказ оборудования!</source>
        <translation>MMC: hardware failure!</translation>
    </message>
    <message>
        <source>Нет команды с таким кодом!</source>
        <translation>No command with this code!</translation>
    </message>
    <message>
        <source>Данная функция не поддерживается!</source>
        <translation>This function is not supported!</translation>
    </message>
    <message>
        <source>В сообщении нет данных</source>
        <translation>The message holds no data</translation>
    </message>
    <message>
        <source>Переполнение буфера приемника/передатчика!</source>
        <translation>Receive/transmit buffer overflow!</translation>
    </message>
    <message>
        <source>Нет свободного места для записи в ФП!</source>
        <translation>No free room to write in the fiscal memory!</translation>
    </message>
    <message>
        <source>Ошибка записи в фискальную память!</source>
        <translation>Fiscal memory write error!</translation>
    </message>
    <message>
        <source>Заводской номер не установлен!</source>
        <translation>The serial number is not set!</translation>
    </message>
    <message>
        <source>Дата текущей записи более ранняя 
   чем дата предыдущей записи!</source>
        <translation>The current record&apos;s date is earlier 
   than the previous record&apos;s date!</translation>
    </message>
    <message>
        <source>Запрещен выход за пределы суток!</source>
        <translation>Going past the end of the day is not allowed!</translation>
    </message>
    <message>
        <source>Данные в фискальной памяти неверны!</source>
        <translation>The data in the fiscal memory are wrong!</translation>
    </message>
    <message>
        <source>Фискальная память исчерпана!</source>
        <translation>The fiscal memory is used up!</translation>
    </message>
    <message>
        <source>Данная команда выполняется только в фискальном режиме!</source>
        <translation>This command runs in fiscal mode only!</translation>
    </message>
    <message>
        <source>Дата и время не были установлены 
с момента последнего аварийного обнуления ОЗУ!</source>
        <translation>Date and time have not been set 
since the last emergency RAM reset!</translation>
    </message>
    <message>
        <source>С начала смены прошло более 24х часов!</source>
        <translation>More than 24 hours have passed since the shift opened!</translation>
    </message>
    <message>
        <source>Необходимо скорректировать время!</source>
        <translation>The time must be corrected!</translation>
    </message>
    <message>
        <source>Ошибка в формате таблицы!</source>
        <translation>Table format error!</translation>
    </message>
    <message>
        <source>ДОшибка в формате даты!</source>
        <translation>Date format error!</translation>
    </message>
    <message>
        <source>Ошибка в формате времени!</source>
        <translation>Time format error!</translation>
    </message>
    <message>
        <source>Устанавливаемое время меньше текущего!</source>
        <translation>The time being set is earlier than the current time!</translation>
    </message>
    <message>
        <source>Неверный режим регистратора (перемычка)!</source>
        <translation>Wrong registrar mode (jumper)!</translation>
    </message>
    <message>
        <source>Команда невыполнима в данном состоянии смены!</source>
        <translation>The command cannot run in this state of the shift!</translation>
    </message>
    <message>
        <source>Необходимо выгрузить контрольную ленту (бумажную/подписанную)!</source>
        <translation>The control tape (paper/signed) must be unloaded!</translation>
    </message>
    <message>
        <source>Регистратор находится в автономном режиме!</source>
        <translation>The registrar is in autonomous mode!</translation>
    </message>
    <message>
        <source>Не очищено!</source>
        <translation>Not cleared!</translation>
    </message>
    <message>
        <source>Чтение-запись по неинициализированному указателю!</source>
        <translation>Read or write through an uninitialised pointer!</translation>
    </message>
    <message>
        <source>Адрес-параметр за пределами зоны!</source>
        <translation>Address parameter outside the zone!</translation>
    </message>
    <message>
        <source>Выделен недостаточный буфер!</source>
        <translation>The buffer given is too small!</translation>
    </message>
    <message>
        <source>Ошибка данных</source>
        <translation>Data error</translation>
    </message>
    <message>
        <source>Нет свободного места для выполнения команды!</source>
        <translation>No free room to run the command!</translation>
    </message>
    <message>
        <source>Длинна записи больше максимума (&gt;255)!</source>
        <translation>The record is longer than the maximum (&gt;255)!</translation>
    </message>
    <message>
        <source>Артикул с данным кодом не найден!</source>
        <translation>No article with this code!</translation>
    </message>
    <message>
        <source>Индекс за пределами базы!</source>
        <translation>Index outside the base!</translation>
    </message>
    <message>
        <source>Артикул с данным кодом существует!</source>
        <translation>An article with this code exists!</translation>
    </message>
    <message>
        <source>Налог запрещен!</source>
        <translation>Tax not allowed!</translation>
    </message>
    <message>
        <source>Неверное состояние документа!</source>
        <translation>Wrong document state!</translation>
    </message>
    <message>
        <source>Недостаточно свободного места для выполнения команды!</source>
        <translation>Not enough free room to run the command!</translation>
    </message>
    <message>
        <source>Неизвестный тип продажи!</source>
        <translation>Unknown sale type!</translation>
    </message>
    <message>
        <source>Аннуляция: не может начинаться с данной операции!</source>
        <translation>Void: cannot begin with this operation!</translation>
    </message>
    <message>
        <source>Аннуляция: данная операция в чеке не найдена!</source>
        <translation>Void: this operation is not in the receipt!</translation>
    </message>
    <message>
        <source>Аннуляция: последовательность неполная!</source>
        <translation>Void: the sequence is incomplete!</translation>
    </message>
    <message>
        <source>Аннулировать нечего!</source>
        <translation>Nothing to void!</translation>
    </message>
    <message>
        <source>Копия чека недоступна!</source>
        <translation>The receipt copy is not available!</translation>
    </message>
    <message>
        <source>В кассе недостаточно наличных денег для выполнения операции!</source>
        <translation>Not enough cash in the till for the operation!</translation>
    </message>
    <message>
        <source>Указанный тип оплаты запрещен для данного чека!</source>
        <translation>This payment type is not allowed for this receipt!</translation>
    </message>
    <message>
        <source>Сдача запрещена с данного типа оплаты!</source>
        <translation>Change is not allowed from this payment type!</translation>
    </message>
    <message>
        <source>Значение скидки вышло за допустимый диапазон!</source>
        <translation>The discount is out of range!</translation>
    </message>
    <message>
        <source>Переполнение итога по чеку!</source>
        <translation>Receipt total overflow!</translation>
    </message>
    <message>
        <source>Переполнение по оплатам в чеке!</source>
        <translation>Receipt payments overflow!</translation>
    </message>
    <message>
        <source>Переполнение буфера!</source>
        <translation>Buffer overflow!</translation>
    </message>
    <message>
        <source>Продажа: ошибка в количестве!</source>
        <translation>Sale: quantity error!</translation>
    </message>
    <message>
        <source>Продажа: ошибка в цене!</source>
        <translation>Sale: price error!</translation>
    </message>
    <message>
        <source>Аннуляция: удаляемая последовательность заблокирована!</source>
        <translation>Void: the sequence to remove is locked!</translation>
    </message>
    <message>
        <source>Форматированная строка: параметры!</source>
        <translation>Formatted line: parameters!</translation>
    </message>
    <message>
        <source>Форматированная строка: тип данных!</source>
        <translation>Formatted line: data type!</translation>
    </message>
    <message>
        <source>Форматированная строка: выбор шрифта!</source>
        <translation>Formatted line: font choice!</translation>
    </message>
    <message>
        <source>Форматированная строка: выравнивание!</source>
        <translation>Formatted line: alignment!</translation>
    </message>
    <message>
        <source>Форматированная строка: позиции в строке!</source>
        <translation>Formatted line: positions in the line!</translation>
    </message>
    <message>
        <source>Ошибка оборудования!
 </source>
        <translation>Hardware error!
 </translation>
    </message>
    <message>
        <source>Ошибка фискальной памяти!
 </source>
        <translation>Fiscal memory error!
 </translation>
    </message>
    <message>
        <source>Неверный пароль доступа!</source>
        <translation>Wrong access password!</translation>
    </message>
    <message>
        <source>Команда не может быть выполнена в данном состоянии регистратора!
</source>
        <translation>The command cannot run in this state of the registrar!
</translation>
    </message>
    <message>
        <source>При выполнении операции 
  обнаружено арифметическое переполнение!</source>
        <translation>An arithmetic overflow 
  occurred during the operation!</translation>
    </message>
    <message>
        <source>Не обнулено!</source>
        <translation>Not zeroed!</translation>
    </message>
    <message>
        <source>Ошибка работы с базой товаров!
 </source>
        <translation>Article base error!
 </translation>
    </message>
    <message>
        <source>Ошибка работы с продажами!
 </source>
        <translation>Sales error!
 </translation>
    </message>
    <message>
        <source>Ошибка форматированной строки!
 </source>
        <translation>Formatted line error!
 </translation>
    </message>
    <message>
        <source>Неправильный формат поля номер </source>
        <translation>Wrong format of field number </translation>
    </message>
    <message>
        <source>Значение поля номер </source>
        <translation>The value of field number </translation>
    </message>
    <message>
        <source> выходит за допустимый диапазон!</source>
        <translation> is out of range!</translation>
    </message>
    <message>
        <source>Регистратор отклонил команду (NAK)!</source>
        <translation>The registrar rejected the command (NAK)!</translation>
    </message>
    <message>
        <source>Неверная контрольная сумма</source>
        <translation>Wrong checksum</translation>
    </message>
    <message>
        <source>Ответ регистратора потерян: команда могла быть выполнена! Проверьте ленту и состояние регистратора, прежде чем повторять команду.</source>
        <translation>The registrar&apos;s answer was lost: the command may have been carried out! Check the tape and the registrar&apos;s state before repeating the command.</translation>
    </message>
    <message>
        <source>Команда не отправлена!</source>
        <translation>The command was not sent!</translation>
    </message>
    <message>
        <source>Неверный формат кода ошибки!</source>
        <translation>Wrong error code format!</translation>
    </message>
    <message>
        <source>Устройство не удалено (</source>
        <translation>The device was not removed (</translation>
    </message>
    <message>
        <source>Устройство не восстановлено (</source>
        <translation>The device was not restored (</translation>
    </message>
    <message>
        <source>X-отчет</source>
        <translation>X report</translation>
    </message>
    <message>
        <source>Z-отчет</source>
        <translation>Z report</translation>
    </message>
    <message>
        <source>Печать контрольной ленты</source>
        <translation>Print the control tape</translation>
    </message>
    <message>
        <source>Обнуления контрольной ленты</source>
        <translation>Control tape reset</translation>
    </message>
    <message>
        <source>Обнуление контрольной ленты</source>
        <translation>Control tape reset</translation>
    </message>
    <message>
        <source>Печать дополнительных дневных отчетов </source>
        <translation>Print additional daily reports </translation>
    </message>
    <message>
        <source>Отчет по отделам</source>
        <translation>Report by departments</translation>
    </message>
    <message>
        <source>Отчет по операторам</source>
        <translation>Report by operators</translation>
    </message>
    <message>
        <source>Вывести контрольную ленту</source>
        <translation>Print the control tape</translation>
    </message>
    <message>
        <source>Тип отчета:</source>
        <translation>Report type:</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>FKP101 дневные отчеты</source>
        <translation>FKP101 daily reports</translation>
    </message>
    <message>
        <source>Обнулить базу товаров</source>
        <translation>Clear the article base</translation>
    </message>
    <message>
        <source>Выгрузка и обнуления контрольной ленты</source>
        <translation>Unload and reset the control tape</translation>
    </message>
    <message>
        <source>Ошибка </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>Код первого товара:</source>
        <translation>First article code:</translation>
    </message>
    <message>
        <source>Код последнего товара:</source>
        <translation>Last article code:</translation>
    </message>
    <message>
        <source>Номер первого отчета:</source>
        <translation>First report number:</translation>
    </message>
    <message>
        <source>Номер последнего отчета:</source>
        <translation>Last report number:</translation>
    </message>
    <message>
        <source>По дате</source>
        <translation>By date</translation>
    </message>
    <message>
        <source>По номеру</source>
        <translation>By number</translation>
    </message>
    <message>
        <source>Сокращенный</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>Полный</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Тип отчета</source>
        <translation>Report type</translation>
    </message>
    <message>
        <source>По дате/номеру</source>
        <translation>By date/number</translation>
    </message>
    <message>
        <source>Полный/сокращенный</source>
        <translation>Full/short</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Дата первого отчета:</source>
        <translation>First report date:</translation>
    </message>
    <message>
        <source>Дата последнего отчета:</source>
        <translation>Last report date:</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Could not open the file %1: %2</translation>
    </message>
    <message>
        <source>Ошибка чтения файла %1: %2</source>
        <translation>Error reading the file %1: %2</translation>
    </message>
    <message>
        <source>Товары для программирования</source>
        <translation>Articles to program</translation>
    </message>
    <message>
        <source>%1: %2 (%3 из %4).</source>
        <translation>%1: %2 (%3 of %4).</translation>
    </message>
    <message>
        <source>Завершено</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Не все артикулы записаны в регистратор.</source>
        <translation>Not every article was written to the registrar.</translation>
    </message>
    <message>
        <source>Регистратор отклонил строки</source>
        <translation>The registrar rejected lines</translation>
    </message>
    <message>
        <source>Нет ответа регистратора на строки</source>
        <translation>No answer of the registrar to lines</translation>
    </message>
    <message>
        <source>Не отправлены строки</source>
        <translation>Lines not sent</translation>
    </message>
    <message>
        <source>Загрузка артикулов в регистратор</source>
        <translation>Loading articles into the registrar</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Записать в регистратор</source>
        <translation>Write to the registrar</translation>
    </message>
    <message>
        <source>Ошибка! Таймаут устройства! </source>
        <translation>Error! Device timeout! </translation>
    </message>
    <message>
        <source>Время включения соленоида:</source>
        <translation>Solenoid on time:</translation>
    </message>
    <message>
        <source>Задержка после выкл. соленоида:</source>
        <translation>Delay after solenoid off:</translation>
    </message>
    <message>
        <source>Открыть ящик</source>
        <translation>Open the drawer</translation>
    </message>
    <message>
        <source>Открыть доп. ящик</source>
        <translation>Open the 2nd drawer</translation>
    </message>
    <message>
        <source>Ошибка выполнения команды. Таймаут</source>
        <translation>Command failed. Timeout</translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; недопустим символ &quot;;&quot;. Команда не отправлена!</source>
        <translation>The field &quot;%1&quot; may not hold &quot;;&quot;. The command was not sent!</translation>
    </message>
    <message>
        <source>Не установлены параметры команды!</source>
        <translation>The command&apos;s parameters are not set!</translation>
    </message>
    <message>
        <source>Сумма:    </source>
        <translation>Amount:    </translation>
    </message>
    <message>
        <source>Номер оператора:</source>
        <translation>Operator number:</translation>
    </message>
    <message>
        <source>Денег в кассе:</source>
        <translation>Cash in the till:</translation>
    </message>
    <message>
        <source>Служебный внос</source>
        <translation>Cash in</translation>
    </message>
    <message>
        <source>Служебное изъятие</source>
        <translation>Cash out</translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; должна быть сумма больше нуля с точкой и не более чем двумя знаками после нее, например 1.00. Команда не отправлена!</source>
        <translation>The field &quot;%1&quot; must hold an amount above zero with a point and at most two digits after it, for example 1.00. The command was not sent!</translation>
    </message>
    <message>
        <source>Служебный внос денег</source>
        <translation>Cash in</translation>
    </message>
    <message>
        <source>Служебное изъятие денег</source>
        <translation>Cash out</translation>
    </message>
    <message>
        <source> - Успешно!</source>
        <translation> - Success!</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка открытия чека!</source>
        <translation>Device timeout! Error opening the receipt!</translation>
    </message>
    <message>
        <source>Ошибка открытия чека</source>
        <translation>Error opening the receipt</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка продажи!</source>
        <translation>Device timeout! Sale error!</translation>
    </message>
    <message>
        <source>Ошибка продажи</source>
        <translation>Sale error</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка надбавки-скидки!</source>
        <translation>Device timeout! Surcharge/discount error!</translation>
    </message>
    <message>
        <source>Ошибка надбавки-скидки</source>
        <translation>Surcharge/discount error</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка печати комментария!</source>
        <translation>Device timeout! Error printing the comment!</translation>
    </message>
    <message>
        <source>Ошибка печати комментария</source>
        <translation>Error printing the comment</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка печати итога!</source>
        <translation>Device timeout! Error printing the total!</translation>
    </message>
    <message>
        <source>Ошибка печати итога</source>
        <translation>Error printing the total</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка закрыиия чека!</source>
        <translation>Device timeout! Error closing the receipt!</translation>
    </message>
    <message>
        <source>Ошибка закрытия чека</source>
        <translation>Error closing the receipt</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка аннулирования!</source>
        <translation>Device timeout! Void error!</translation>
    </message>
    <message>
        <source>Ошибка аннулирования</source>
        <translation>Void error</translation>
    </message>
    <message>
        <source>Не выбран товар!</source>
        <translation>No article chosen!</translation>
    </message>
    <message>
        <source>Длина штрих-кода не равна 12 символов! Ошибка!</source>
        <translation>The bar code is not 12 characters long! Error!</translation>
    </message>
    <message>
        <source>Кол-во:</source>
        <translation>Qty:</translation>
    </message>
    <message>
        <source>Цена за ед.:</source>
        <translation>Unit price:</translation>
    </message>
    <message>
        <source>Чек возврата</source>
        <translation>Refund receipt</translation>
    </message>
    <message>
        <source>Открыть чек</source>
        <translation>Open receipt</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>Продать</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source> на товар</source>
        <translation> on the article</translation>
    </message>
    <message>
        <source>на подсумму</source>
        <translation>on the subtotal</translation>
    </message>
    <message>
        <source>с налоговой группы</source>
        <translation>of the tax group</translation>
    </message>
    <message>
        <source>Скидка процентная</source>
        <translation>Percentage discount</translation>
    </message>
    <message>
        <source>Скидка абсолютная</source>
        <translation>Absolute discount</translation>
    </message>
    <message>
        <source>Верхняя строка</source>
        <translation>Upper line</translation>
    </message>
    <message>
        <source>Нижняя строка</source>
        <translation>Lower line</translation>
    </message>
    <message>
        <source>Выводить информацию на дисплей</source>
        <translation>Show information on the display</translation>
    </message>
    <message>
        <source>Использовать указанный идентификатор транзакций</source>
        <translation>Use the transaction id given</translation>
    </message>
    <message>
        <source>Не выводить дополнительную информацию для банковской карты</source>
        <translation>Do not print extra bank card information</translation>
    </message>
    <message>
        <source>Печать комментария</source>
        <translation>Print a comment</translation>
    </message>
    <message>
        <source>Штрих-код EAN-13</source>
        <translation>EAN-13 bar code</translation>
    </message>
    <message>
        <source>Вывод на индикатор</source>
        <translation>Show on the display</translation>
    </message>
    <message>
        <source>Печать итога</source>
        <translation>Print the total</translation>
    </message>
    <message>
        <source>Сумма по чеку:</source>
        <translation>Receipt total:</translation>
    </message>
    <message>
        <source>Оплатить</source>
        <translation>Pay</translation>
    </message>
    <message>
        <source>Закрыть чек</source>
        <translation>Close receipt</translation>
    </message>
    <message>
        <source>Аннулирование всего чека</source>
        <translation>Void the whole receipt</translation>
    </message>
    <message>
        <source>Начало аннулирования</source>
        <translation>Begin void</translation>
    </message>
    <message>
        <source>Конец аннулирования</source>
        <translation>End void</translation>
    </message>
    <message>
        <source>Отмена аннулирования</source>
        <translation>Cancel void</translation>
    </message>
    <message>
        <source>Файлы товаров (*.art);;*.ART</source>
        <translation>Article files (*.art);;*.ART</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; - не число. Введите число с точкой, например 1.50</source>
        <translation>%1 &quot;%2&quot; is not a number. Type a number with a point, for example 1.50</translation>
    </message>
    <message>
        <source>Код товара &quot;%1&quot; в строке товара - не число. Продажа не выполнена.</source>
        <translation>The article code &quot;%1&quot; in the article line is not a number. No sale was made.</translation>
    </message>
    <message>
        <source>Количество должно быть больше нуля. Продажа не выполнена.</source>
        <translation>The quantity must be above zero. No sale was made.</translation>
    </message>
    <message>
        <source>Цена не может быть отрицательной. Продажа не выполнена.</source>
        <translation>The price cannot be negative. No sale was made.</translation>
    </message>
    <message>
        <source>Количество или цена не могут быть отправлены. Продажа не выполнена.</source>
        <translation>The quantity or price cannot be sent. No sale was made.</translation>
    </message>
    <message>
        <source>Налоговая группа</source>
        <translation>Tax group</translation>
    </message>
    <message>
        <source>Значение скидки не может быть отправлено.</source>
        <translation>The discount cannot be sent.</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Штрих-код должен состоять из 12 цифр! Ошибка!</source>
        <translation>The bar code must have 12 digits! Error!</translation>
    </message>
    <message>
        <source>Строки для печати в нефискальном чеке:</source>
        <translation>Lines to print in the non-fiscal receipt:</translation>
    </message>
    <message>
        <source>Нефискальный чек</source>
        <translation>Non-fiscal receipt</translation>
    </message>
    <message>
        <source>Печать чека:</source>
        <translation>Receipt printing:</translation>
    </message>
    <message>
        <source>; - недопустимый символ, 
   будет удален при печати чека!</source>
        <translation>; is not allowed, 
   it is removed when the receipt is printed!</translation>
    </message>
    <message>
        <source>Ввод текста</source>
        <translation>Text entry</translation>
    </message>
    <message>
        <source>Первый сквозной номер чека:</source>
        <translation>First running receipt number:</translation>
    </message>
    <message>
        <source>Последний сквозной номер чека:</source>
        <translation>Last running receipt number:</translation>
    </message>
    <message>
        <source>Печать копии чека </source>
        <translation>Printing the receipt copy </translation>
    </message>
    <message>
        <source>Печать копии чека</source>
        <translation>Print a receipt copy</translation>
    </message>
    <message>
        <source>Копия чека</source>
        <translation>Receipt copy</translation>
    </message>
    <message>
        <source>Ошибочный тип оплаты</source>
        <translation>Wrong payment type</translation>
    </message>
    <message>
        <source>Внимание! Банковский терминал!</source>
        <translation>Attention! Bank terminal!</translation>
    </message>
    <message>
        <source>Ошибка оплаты банковской картой!</source>
        <translation>Bank card payment error!</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка оплаты чека!</source>
        <translation>Device timeout! Receipt payment error!</translation>
    </message>
    <message>
        <source>Ошибка оплаты чека</source>
        <translation>Receipt payment error</translation>
    </message>
    <message>
        <source>Таймаут устройства! Ошибка оплаты банковской картой!</source>
        <translation>Device timeout! Bank card payment error!</translation>
    </message>
    <message>
        <source>Ошибка оплаты чека банковской картой</source>
        <translation>Bank card receipt payment error</translation>
    </message>
    <message>
        <source>Оплата банковской картой не выполнена.</source>
        <translation>The bank card payment was not made.</translation>
    </message>
    <message>
        <source>Сумма оплаты должна быть больше нуля. %1</source>
        <translation>The payment must be above zero. %1</translation>
    </message>
    <message>
        <source>Сумма оплаты &quot;%1&quot; - не сумма денег. Введите цифры и не более двух знаков после точки, например 12.50</source>
        <translation>The payment &quot;%1&quot; is not an amount of money. Type digits and at most two after the point, for example 12.50</translation>
    </message>
    <message>
        <source>Чек уже оплачен. %1</source>
        <translation>The receipt is already paid. %1</translation>
    </message>
    <message>
        <source>Нет открытого фискального чека. %1</source>
        <translation>No fiscal receipt is open. %1</translation>
    </message>
    <message>
        <source>Сумма по чеку &quot;%1&quot; не прочитана. %2</source>
        <translation>The receipt total &quot;%1&quot; was not read. %2</translation>
    </message>
    <message>
        <source>Сумма оплаты %1 больше суммы по чеку %2. %3</source>
        <translation>The payment %1 is more than the receipt total %2. %3</translation>
    </message>
    <message>
        <source>%1
Терминал отклонил оплату, код ответа %2.</source>
        <translation>%1
The terminal declined the payment, response code %2.</translation>
    </message>
    <message>
        <source>Банковский терминал провел оплату, идентификатор транзакции %1, но регистратор оплату не принял. Идентификатор записан в поле транзакции: чтобы завершить оплату без повторного списания с карты, отметьте &quot;Использовать указанный идентификатор транзакций&quot; и нажмите &quot;Оплатить&quot;.</source>
        <translation>The bank terminal made the payment, transaction id %1, but the registrar did not accept it. The id is in the transaction field: to finish the payment without charging the card again, tick &quot;Use the transaction id given&quot; and press &quot;Pay&quot;.</translation>
    </message>
    <message>
        <source>Время:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Начальный номер:</source>
        <translation>First number:</translation>
    </message>
    <message>
        <source>Конечный номер:</source>
        <translation>Last number:</translation>
    </message>
    <message>
        <source>Копия чека (&quot;КСЕФ&quot;)</source>
        <translation>Receipt copy (KSEF)</translation>
    </message>
    <message>
        <source>напечатать документы</source>
        <translation>print the documents</translation>
    </message>
    <message>
        <source>Поиск и печать документов  по датам</source>
        <translation>Find and print documents  by dates</translation>
    </message>
    <message>
        <source>Начальная дата:</source>
        <translation>First date:</translation>
    </message>
    <message>
        <source>Конечная дата:</source>
        <translation>Last date:</translation>
    </message>
    <message>
        <source>Печать документов по номерам</source>
        <translation>Print documents by numbers</translation>
    </message>
    <message>
        <source>В поле &quot;%1&quot; должно быть время из четырех цифр ЧЧММ, например 1200. Команда не отправлена!</source>
        <translation>The field &quot;%1&quot; must hold a time of four digits HHMM, for example 1200. The command was not sent!</translation>
    </message>
    <message>
        <source>Ошибка! Таймаут устройства!</source>
        <translation>Error! Device timeout!</translation>
    </message>
    <message>
        <source>Нет открытых чеков</source>
        <translation>No open receipts</translation>
    </message>
    <message>
        <source>Открыт нефискальный чек</source>
        <translation>Non-fiscal receipt open</translation>
    </message>
    <message>
        <source>Открыт чек возврата</source>
        <translation>Refund receipt open</translation>
    </message>
    <message>
        <source>Открыт фискальный чек</source>
        <translation>Fiscal receipt open</translation>
    </message>
    <message>
        <source>Аннулировать чек</source>
        <translation>Void the receipt</translation>
    </message>
    <message>
        <source>Неверный код команды!</source>
        <translation>Wrong command code!</translation>
    </message>
    <message>
        <source>Монитор для фискального регистратора + запуск скриптов</source>
        <translation>Fiscal registrar monitor + scripts</translation>
    </message>
    <message>
        <source>Выполнение команды</source>
        <translation>Run a command</translation>
    </message>
    <message>
        <source>Повторить команду</source>
        <translation>Repeat the command</translation>
    </message>
    <message>
        <source>В список</source>
        <translation>To the list</translation>
    </message>
    <message>
        <source>Очистить сообщения</source>
        <translation>Clear the messages</translation>
    </message>
    <message>
        <source>Данные:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>Не перерисовывать форму</source>
        <translation>Do not repaint the form</translation>
    </message>
    <message>
        <source>Не выводить данные</source>
        <translation>Do not show the data</translation>
    </message>
    <message>
        <source>Имя  файла:</source>
        <translation>File  name:</translation>
    </message>
    <message>
        <source>Ном. стр. скрипта:</source>
        <translation>Script line no.:</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Обмен с регистратором еще не закончен!</source>
        <translation>The exchange with the registrar is not finished yet!</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt *.TXT);;Все (*)</source>
        <translation>Text files (*.txt *.TXT);;All (*)</translation>
    </message>
    <message>
        <source>Внимание! Файл не выбран!</source>
        <translation>Attention! No file chosen!</translation>
    </message>
    <message>
        <source>Значения</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. Оператор New расположен вне секции описаний.</source>
        <translation>Error - error in the declarations. The New statement is outside the declarations section.</translation>
    </message>
    <message>
        <source>Конец файла!</source>
        <translation>End of file!</translation>
    </message>
    <message>
        <source>Ошибка выполнения команды</source>
        <translation>Command failed</translation>
    </message>
    <message>
        <source>Ошибка - деление на ноль!</source>
        <translation>Error - division by zero!</translation>
    </message>
    <message>
        <source>Ошибка - переполнение при вычислении!</source>
        <translation>Error - overflow in the calculation!</translation>
    </message>
    <message>
        <source>Ошибка - &quot;</source>
        <translation>Error - &quot;</translation>
    </message>
    <message>
        <source>&quot; не является файлом!</source>
        <translation>&quot; is not a file!</translation>
    </message>
    <message>
        <source>Ошибка - файл скрипта не открывается: </source>
        <translation>Error - the script file does not open: </translation>
    </message>
    <message>
        <source>Ошибка чтения файла скрипта: </source>
        <translation>Error reading the script file: </translation>
    </message>
    <message>
        <source>Ошибка - строка </source>
        <translation>Error - line </translation>
    </message>
    <message>
        <source> длиннее </source>
        <translation> longer than </translation>
    </message>
    <message>
        <source> символов!</source>
        <translation> characters!</translation>
    </message>
    <message>
        <source>Скрипт уже выполняется!</source>
        <translation>A script is already running!</translation>
    </message>
    <message>
        <source>Ошибка - строка команды короче 9 символов!</source>
        <translation>Error - the command line is shorter than 9 characters!</translation>
    </message>
    <message>
        <source>Комментарий:: </source>
        <translation>Comment:: </translation>
    </message>
    <message>
        <source>Ошибка - неверное расположение описания данных.</source>
        <translation>Error - data declaration in the wrong place.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. DeclareBeg уже был ранее.</source>
        <translation>Error - error in the declarations. DeclareBeg came before.</translation>
    </message>
    <message>
        <source>Ошибка - больше 100 переменных!</source>
        <translation>Error - more than 100 variables!</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. Ошибочное расположение DeclareEnd.</source>
        <translation>Error - error in the declarations. DeclareEnd in the wrong place.</translation>
    </message>
    <message>
        <source>Подключение порта - успешно!</source>
        <translation>Port connected - success!</translation>
    </message>
    <message>
        <source>Ошибка подключения порта!</source>
        <translation>Port connection error!</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях. Секция определений неверна.</source>
        <translation>Error - error in the declarations. The definitions section is wrong.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в операторе Set.</source>
        <translation>Error - error in the Set statement.</translation>
    </message>
    <message>
        <source>Ошибка - присвоение несуществующей переменной.</source>
        <translation>Error - assignment to a variable that does not exist.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в описаниях.</source>
        <translation>Error - error in the declarations.</translation>
    </message>
    <message>
        <source>Ошибка - ошибка в If-Then. Оператор New расположен вне секции описаний.</source>
        <translation>Error - error in If-Then. The New statement is outside the declarations section.</translation>
    </message>
    <message>
        <source>Ошибка - больше 100 блоков If!</source>
        <translation>Error - more than 100 If blocks!</translation>
    </message>
    <message>
        <source>Некорректная операция в операторе If - ошибка!</source>
        <translation>Wrong operation in the If statement - error!</translation>
    </message>
    <message>
        <source>Ошибка - Then без открытого блока If!</source>
        <translation>Error - Then without an open If block!</translation>
    </message>
    <message>
        <source>Ошибка - Else без открытого блока If!</source>
        <translation>Error - Else without an open If block!</translation>
    </message>
    <message>
        <source>Ошибка - EndIf без открытого блока If!</source>
        <translation>Error - EndIf without an open If block!</translation>
    </message>
    <message>
        <source>Ошибка - вложенность While больше 100!</source>
        <translation>Error - While nested deeper than 100!</translation>
    </message>
    <message>
        <source>Ошибка - больше 100 блоков While!</source>
        <translation>Error - more than 100 While blocks!</translation>
    </message>
    <message>
        <source>Некорректная операция в операторе While - ошибка!</source>
        <translation>Wrong operation in the While statement - error!</translation>
    </message>
    <message>
        <source>Ошибка - EndWhile без открытого блока While!</source>
        <translation>Error - EndWhile without an open While block!</translation>
    </message>
    <message>
        <source>Ошибка первого параметра!</source>
        <translation>First parameter error!</translation>
    </message>
    <message>
        <source>Ошибка второго параметра!</source>
        <translation>Second parameter error!</translation>
    </message>
    <message>
        <source>Ошибка операции!</source>
        <translation>Operation error!</translation>
    </message>
    <message>
        <source>Ошибка результата операции!</source>
        <translation>Operation result error!</translation>
    </message>
    <message>
        <source>Ошибка - значение &quot;</source>
        <translation>Error - the value &quot;</translation>
    </message>
    <message>
        <source>&quot; не является целым числом!</source>
        <translation>&quot; is not a whole number!</translation>
    </message>
    <message>
        <source>&quot; не является числом!</source>
        <translation>&quot; is not a number!</translation>
    </message>
    <message>
        <source>Ошибка - номер поля %Ret больше 19!</source>
        <translation>Error - field number of %Ret above 19!</translation>
    </message>
    <message>
        <source>Ошибка переменной!</source>
        <translation>Variable error!</translation>
    </message>
    <message>
        <source>Параметры связи</source>
        <translation>Link parameters</translation>
    </message>
    <message>
        <source>Адрес назначения:</source>
        <translation>Destination address:</translation>
    </message>
    <message>
        <source>Прочитать настройки сети</source>
        <translation>Read the network settings</translation>
    </message>
    <message>
        <source>Установить настройки сети</source>
        <translation>Set the network settings</translation>
    </message>
    <message>
        <source>Печатать настроек сети</source>
        <translation>Print the network settings</translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation>Load from a file</translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation>Save to a file</translation>
    </message>
    <message>
        <source>Чтение параметров связи из файла</source>
        <translation>Reading link parameters from a file</translation>
    </message>
    <message>
        <source>Не удалось открыть файл </source>
        <translation>Could not open the file </translation>
    </message>
    <message>
        <source>Не удалось прочитать файл </source>
        <translation>Could not read the file </translation>
    </message>
    <message>
        <source>Запись параметров связи в файл</source>
        <translation>Writing link parameters to a file</translation>
    </message>
    <message>
        <source>Не удалось записать файл </source>
        <translation>Could not write the file </translation>
    </message>
    <message>
        <source>Файл не выбран. Ошибка.</source>
        <translation>No file chosen. Error.</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt);;Все файлы (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Разрешено</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>Запрещено</source>
        <translation>Not allowed</translation>
    </message>
    <message>
        <source>Налог запрещен</source>
        <translation>Tax not allowed</translation>
    </message>
    <message>
        <source>Вложенный</source>
        <translation>Included</translation>
    </message>
    <message>
        <source>Наложенный</source>
        <translation>Added</translation>
    </message>
    <message>
        <source>Группа не облагаемая налогом</source>
        <translation>Tax-exempt group</translation>
    </message>
    <message>
        <source>Вложенный 2</source>
        <translation>Included 2</translation>
    </message>
    <message>
        <source>Наложенный 2</source>
        <translation>Added 2</translation>
    </message>
    <message>
        <source>Налог 2  Вложенный +</source>
        <translation>Tax 2  Included +</translation>
    </message>
    <message>
        <source>Налог 2  Наложенный +</source>
        <translation>Tax 2  Added +</translation>
    </message>
    <message>
        <source>Акцизный сбор (влож)</source>
        <translation>Excise duty (incl.)</translation>
    </message>
    <message>
        <source>Акцизный сбор (налож)</source>
        <translation>Excise duty (added)</translation>
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
        <translation>Tax </translation>
    </message>
    <message>
        <source>Не изменять</source>
        <translation>Do not change</translation>
    </message>
    <message>
        <source>По умолчанию (2)</source>
        <translation>Default (2)</translation>
    </message>
    <message>
        <source>Светлая</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Нормальнаяl</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Темная</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source> Экстра-Темная</source>
        <translation> Extra dark</translation>
    </message>
    <message>
        <source>Фискализация: ожидание готовности регистратора, попытка </source>
        <translation>Fiscalization: waiting for the registrar, attempt </translation>
    </message>
    <message>
        <source> из </source>
        <translation> of </translation>
    </message>
    <message>
        <source>не записывать</source>
        <translation>do not write</translation>
    </message>
    <message>
        <source>одинарная ширина</source>
        <translation>single width</translation>
    </message>
    <message>
        <source>двойная ширина</source>
        <translation>double width</translation>
    </message>
    <message>
        <source>Отсутствует</source>
        <translation>None</translation>
    </message>
    <message>
        <source>SetDataSource ошибка:
  </source>
        <translation>SetDataSource error:
  </translation>
    </message>
    <message>
        <source>Нет данных!</source>
        <translation>No data!</translation>
    </message>
    <message>
        <source>Чтение остановлено по запросу пользователя!</source>
        <translation>Reading stopped at the user&apos;s request!</translation>
    </message>
    <message>
        <source>ReadDataFromBuf ошибка:
  </source>
        <translation>ReadDataFromBuf error:
  </translation>
    </message>
    <message>
        <source>Ошибка последовательного номера пакета - чтение остановлено!</source>
        <translation>Packet sequence number error - reading stopped!</translation>
    </message>
    <message>
        <source>Чтение внутреннего ПО - успешно!</source>
        <translation>Firmware read-out - success!</translation>
    </message>
    <message>
        <source>Ошибка! Таймаут устройства! Чтение данных остановлено.</source>
        <translation>Error! Device timeout! Reading stopped.</translation>
    </message>
    <message>
        <source>Ошибка чтения данных из флеш-памяти. 
Чтение данных остановлено. </source>
        <translation>Error reading the flash memory. 
Reading stopped. </translation>
    </message>
    <message>
        <source>Чтение данных остановлено пользователем.</source>
        <translation>Reading stopped by the user.</translation>
    </message>
    <message>
        <source>Успешно. Чтение данных завершено.</source>
        <translation>Success. Reading finished.</translation>
    </message>
    <message>
        <source>Ошибка! Незапланированный конец файла!
   Чтение прервано</source>
        <translation>Error! Unexpected end of file!
   Reading stopped</translation>
    </message>
    <message>
        <source>Ошибка записи в флеш-память:
  </source>
        <translation>Flash memory write error:
  </translation>
    </message>
    <message>
        <source>Запись данных остановлено пользователем.</source>
        <translation>Writing stopped by the user.</translation>
    </message>
    <message>
        <source>Успешно. Запись данных завершена.</source>
        <translation>Success. Writing finished.</translation>
    </message>
    <message>
        <source>Ошибка обнуления флеш-памяти:
  </source>
        <translation>Flash memory clear error:
  </translation>
    </message>
    <message>
        <source>Успешно!</source>
        <translation>Success!</translation>
    </message>
    <message>
        <source>Ошибка! Адрес последнего байта больше 9999999999!</source>
        <translation>Error! The last byte&apos;s address is above 9999999999!</translation>
    </message>
    <message>
        <source>Ошибка! Адрес и количество в имени файла не помещаются в поля (не более 10 и 9 цифр): </source>
        <translation>Error! The address and count in the file name do not fit the fields (at most 10 and 9 digits): </translation>
    </message>
    <message>
        <source>Ошибка записи файла: </source>
        <translation>File write error: </translation>
    </message>
    <message>
        <source>Сохранено байтов: </source>
        <translation>Bytes saved: </translation>
    </message>
    <message>
        <source> в файле </source>
        <translation> in the file </translation>
    </message>
    <message>
        <source>
Файл </source>
        <translation>
The file </translation>
    </message>
    <message>
        <source> не изменён.</source>
        <translation> is unchanged.</translation>
    </message>
    <message>
        <source>Ошибка открытия файла: </source>
        <translation>Error opening the file: </translation>
    </message>
    <message>
        <source>Ошибка чтения файла: </source>
        <translation>Error reading the file: </translation>
    </message>
    <message>
        <source>Дата регистратора &quot;%1&quot; не может быть показана. Дата и время не прочитаны!</source>
        <translation>The registrar&apos;s date &quot;%1&quot; cannot be shown. Date and time not read!</translation>
    </message>
    <message>
        <source>Дата (DDMMYY): </source>
        <translation>Date (DDMMYY): </translation>
    </message>
    <message>
        <source>Время (HHMM):</source>
        <translation>Time (HHMM):</translation>
    </message>
    <message>
        <source>Установить дату и время</source>
        <translation>Set date and time</translation>
    </message>
    <message>
        <source>Прочитать дату и время</source>
        <translation>Read date and time</translation>
    </message>
    <message>
        <source>Ошибка установки времени!</source>
        <translation>Error setting the time!</translation>
    </message>
    <message>
        <source>Ошибка чтения времени!</source>
        <translation>Error reading the time!</translation>
    </message>
    <message>
        <source>Позиция десятичной точки (&quot;гривны-копейки&quot;)</source>
        <translation>Decimal point position (&quot;hryvnia-kopecks&quot;)</translation>
    </message>
    <message>
        <source>Позиция десятичной точки:</source>
        <translation>Decimal point position:</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Подождите пока ККМ перезагрузиться, затем продолжайте</source>
        <translation>Wait until the cash register restarts, then continue</translation>
    </message>
    <message>
        <source>Установка текущего времени и заводского номера</source>
        <translation>Setting the current time and the serial number</translation>
    </message>
    <message>
        <source>Заводской номер:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Неверное количество символов в номере! 
 Заводской номер не установлен!</source>
        <translation>Wrong number of characters in the number! 
 The serial number is not set!</translation>
    </message>
    <message>
        <source>Успешно. Заводской номер установлен!</source>
        <translation>Success. The serial number is set!</translation>
    </message>
    <message>
        <source>Чтение ПО</source>
        <translation>Firmware read-out</translation>
    </message>
    <message>
        <source>HEX файлы (*.HEX *.hex);;Все файлы (*)</source>
        <translation>HEX files (*.HEX *.hex);;All files (*)</translation>
    </message>
    <message>
        <source>Ошибка! Только десятичные цифры!</source>
        <translation>Error! Decimal digits only!</translation>
    </message>
    <message>
        <source>Бинарные файлы (*.bin *.BIN);;Все файлы (*)</source>
        <translation>Binary files (*.bin *.BIN);;All files (*)</translation>
    </message>
    <message>
        <source>Чтение/запись/обнуление фискальной памяти</source>
        <translation>Read/write/clear the fiscal memory</translation>
    </message>
    <message>
        <source>Результат выполнения:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Адрес начала данных (номер байта):</source>
        <translation>Data start address (byte number):</translation>
    </message>
    <message>
        <source>Количество байтов для чтения.записи:</source>
        <translation>Bytes to read/write:</translation>
    </message>
    <message>
        <source>Текущий адрес:</source>
        <translation>Current address:</translation>
    </message>
    <message>
        <source>Количество повторов при ошибке:</source>
        <translation>Retries on error:</translation>
    </message>
    <message>
        <source>Повторов:</source>
        <translation>Retries:</translation>
    </message>
    <message>
        <source>Обнулить флеш-память</source>
        <translation>Clear the flash memory</translation>
    </message>
    <message>
        <source>Читать флеш-память</source>
        <translation>Read the flash memory</translation>
    </message>
    <message>
        <source>Записать флеш-память</source>
        <translation>Write the flash memory</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Флеш-память регистратора будет обнулена. Продолжать?</source>
        <translation>The registrar&apos;s flash memory will be cleared. Continue?</translation>
    </message>
    <message>
        <source>Обнуление флеш-памяти отменено!</source>
        <translation>Flash memory clear cancelled!</translation>
    </message>
    <message>
        <source>Данные будут записаны в выбранный файл. Продолжать?</source>
        <translation>The data will be written to the chosen file. Continue?</translation>
    </message>
    <message>
        <source>Чтение данных из флеш-памяти отменено!</source>
        <translation>Flash memory read cancelled!</translation>
    </message>
    <message>
        <source>Данные будут записаны в флеш-память регистратора. Продолжать?</source>
        <translation>The data will be written to the registrar&apos;s flash memory. Continue?</translation>
    </message>
    <message>
        <source>Запись данных в флеш-память отменена!</source>
        <translation>Flash memory write cancelled!</translation>
    </message>
    <message>
        <source>Не установлены границы для записи. Чтение остановлено!</source>
        <translation>No bounds set for writing. Reading stopped!</translation>
    </message>
    <message>
        <source>Программирование фискальных параметров</source>
        <translation>Programming fiscal parameters</translation>
    </message>
    <message>
        <source>Идентификационный номер</source>
        <translation>Identification number</translation>
    </message>
    <message>
        <source>Налоговый номер</source>
        <translation>Tax number</translation>
    </message>
    <message>
        <source>Заводской номер регистратора:</source>
        <translation>Registrar serial number:</translation>
    </message>
    <message>
        <source>Регистрационный номер РРО: (ІД)</source>
        <translation>Cash register registration number: (ID)</translation>
    </message>
    <message>
        <source>(ПН)</source>
        <translation>(TN)</translation>
    </message>
    <message>
        <source>Фискальный номер:</source>
        <translation>Fiscal number:</translation>
    </message>
    <message>
        <source>Запрограммировать</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Налог</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>Тип налога</source>
        <translation>Tax type</translation>
    </message>
    <message>
        <source>Ставка налога</source>
        <translation>Tax rate</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Связанная налоговая группа</source>
        <translation>Linked tax group</translation>
    </message>
    <message>
        <source>Таймаут устройства! GetSerialNumber Ошибка!</source>
        <translation>Device timeout! GetSerialNumber error!</translation>
    </message>
    <message>
        <source>Ошибка GetSerialNumber!</source>
        <translation>GetSerialNumber error!</translation>
    </message>
    <message>
        <source>Таймаут устройства! GetFiscalNumber Ошибка!</source>
        <translation>Device timeout! GetFiscalNumber error!</translation>
    </message>
    <message>
        <source>Ошибка GetFiscalNumber!</source>
        <translation>GetFiscalNumber error!</translation>
    </message>
    <message>
        <source>Таймаут устройства! GetTaxIdNumber Ошибка!</source>
        <translation>Device timeout! GetTaxIdNumber error!</translation>
    </message>
    <message>
        <source>Ошибка GetTaxIdNumber!</source>
        <translation>GetTaxIdNumber error!</translation>
    </message>
    <message>
        <source>Неверная длина фискального номера, исправьте!</source>
        <translation>Wrong fiscal number length, correct it!</translation>
    </message>
    <message>
        <source>Таймаут устройства! SetFiscalNumber Ошибка!</source>
        <translation>Device timeout! SetFiscalNumber error!</translation>
    </message>
    <message>
        <source>Ошибка SetFiscalNumber!</source>
        <translation>SetFiscalNumber error!</translation>
    </message>
    <message>
        <source>Неверный длина идентификационного номера, исправьте!</source>
        <translation>Wrong identification number length, correct it!</translation>
    </message>
    <message>
        <source>Неверный длина налогового номера, исправьте!</source>
        <translation>Wrong tax number length, correct it!</translation>
    </message>
    <message>
        <source>(ІД)</source>
        <translation>(ID)</translation>
    </message>
    <message>
        <source>Таймаут устройства! SetTaxIdNumber Ошибка!</source>
        <translation>Device timeout! SetTaxIdNumber error!</translation>
    </message>
    <message>
        <source>Ошибка SetTaxIdNumber!</source>
        <translation>SetTaxIdNumber error!</translation>
    </message>
    <message>
        <source>Фіскаліз. реєстратора</source>
        <translation>Registrar fiscalization</translation>
    </message>
    <message>
        <source>РЕЄСТРАТОР ФІСКАЛІЗОВАНО УСПІШНО!</source>
        <translation>THE REGISTRAR WAS FISCALIZED!</translation>
    </message>
    <message>
        <source>Заводской номер ККМ:</source>
        <translation>Cash register serial number:</translation>
    </message>
    <message>
        <source>Пароль налогового инспектора:</source>
        <translation>Tax inspector password:</translation>
    </message>
    <message>
        <source>Повторите ввод пароля:</source>
        <translation>Repeat the password:</translation>
    </message>
    <message>
        <source>Прервать ожидание</source>
        <translation>Stop waiting</translation>
    </message>
    <message>
        <source>Ожидание готовности регистратора прервано. Фискализация выполнена, чек подтверждения не напечатан.</source>
        <translation>Waiting for the registrar was stopped. Fiscalization done, the confirmation receipt was not printed.</translation>
    </message>
    <message>
        <source>Регистратор не готов: чек подтверждения фискализации не напечатан.</source>
        <translation>The registrar is not ready: the fiscalization confirmation receipt was not printed.</translation>
    </message>
    <message>
        <source>Фискализация регистратора</source>
        <translation>Registrar fiscalization</translation>
    </message>
    <message>
        <source>Фіскаліз. реєстратора - Успішно!</source>
        <translation>Registrar fiscalization - Success!</translation>
    </message>
    <message>
        <source>Довжина пароля - 6!</source>
        <translation>The password has 6 characters!</translation>
    </message>
    <message>
        <source>Повторно зроби ввод паролей та фіскалізацію</source>
        <translation>Enter the passwords and fiscalize again</translation>
    </message>
    <message>
        <source>Заголовок и рекламный текст</source>
        <translation>Header and advertising text</translation>
    </message>
    <message>
        <source>Записать  только непустые поля </source>
        <translation>Write  only fields that are not empty </translation>
    </message>
    <message>
        <source>центрировать</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>Центрировать заголовок чека</source>
        <translation>Centre the receipt header</translation>
    </message>
    <message>
        <source>Отменить центрирование</source>
        <translation>Undo centring</translation>
    </message>
    <message>
        <source>Центрировать рекламный текст</source>
        <translation>Centre the advertising text</translation>
    </message>
    <message>
        <source>Программировать все</source>
        <translation>Program all</translation>
    </message>
    <message>
        <source>Программировать заголовок чека</source>
        <translation>Program the receipt header</translation>
    </message>
    <message>
        <source>Программировать рекламный текст</source>
        <translation>Program the advertising text</translation>
    </message>
    <message>
        <source>Читать все</source>
        <translation>Read all</translation>
    </message>
    <message>
        <source>Читать заголовок чека</source>
        <translation>Read the receipt header</translation>
    </message>
    <message>
        <source>Читать рекламный текст</source>
        <translation>Read the advertising text</translation>
    </message>
    <message>
        <source>Обнулить заголовок и рекламный текст</source>
        <translation>Clear the header and advertising text</translation>
    </message>
    <message>
        <source>Обнулить заголовок чека</source>
        <translation>Clear the receipt header</translation>
    </message>
    <message>
        <source>Обнулить рекламный текст</source>
        <translation>Clear the advertising text</translation>
    </message>
    <message>
        <source>Операция:</source>
        <translation>Operation:</translation>
    </message>
    <message>
        <source>Ширина ленты (симв.):</source>
        <translation>Tape width (chars):</translation>
    </message>
    <message>
        <source>        Текст</source>
        <translation>        Text</translation>
    </message>
    <message>
        <source>Заголовок.</source>
        <translation>Header.</translation>
    </message>
    <message>
        <source>Рекламный текст.</source>
        <translation>Advertising text.</translation>
    </message>
    <message>
        <source>
  Строка </source>
        <translation>
  Line </translation>
    </message>
    <message>
        <source> Строка </source>
        <translation> Line </translation>
    </message>
    <message>
        <source>Ширина ленты должна быть целым числом больше нуля. Команды не отправлены!</source>
        <translation>The tape width must be a whole number above zero. No command was sent!</translation>
    </message>
    <message>
        <source>Из фискальной памяти</source>
        <translation>From the fiscal memory</translation>
    </message>
    <message>
        <source>Из карточки</source>
        <translation>From the card</translation>
    </message>
    <message>
        <source>Установить ID_DEV</source>
        <translation>Set ID_DEV</translation>
    </message>
    <message>
        <source>Прочитать ID_DEV</source>
        <translation>Read ID_DEV</translation>
    </message>
    <message>
        <source>Не введён ID_DEV. Ошибка!</source>
        <translation>No ID_DEV typed. Error!</translation>
    </message>
    <message>
        <source>Ошибка выполнения команды установка ID_DEV. Таймаут</source>
        <translation>The ID_DEV set command failed. Timeout</translation>
    </message>
    <message>
        <source>Чтение ID_DEV, код ошибки</source>
        <translation>ID_DEV read, error code</translation>
    </message>
    <message>
        <source>Значение ID_DEV (Hex): </source>
        <translation>ID_DEV value (Hex): </translation>
    </message>
    <message>
        <source>Последний успешный сеанс связи с эквайером</source>
        <translation>Last successful acquirer session</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Ошибка записи логотипа</source>
        <translation>Logo write error</translation>
    </message>
    <message>
        <source>Файл </source>
        <translation>The file </translation>
    </message>
    <message>
        <source> не читается как рисунок BMP!</source>
        <translation> does not read as a BMP picture!</translation>
    </message>
    <message>
        <source> поврежден: </source>
        <translation> is damaged: </translation>
    </message>
    <message>
        <source> Рисунок не загружен!</source>
        <translation> The picture was not loaded!</translation>
    </message>
    <message>
        <source>данных рисунка в нём меньше, чем указано в его заголовке.</source>
        <translation>it holds less picture data than its header says.</translation>
    </message>
    <message>
        <source>сжатые данные рисунка выходят за его края.</source>
        <translation>the compressed picture data run past its edges.</translation>
    </message>
    <message>
        <source>сжатые данные рисунка задают не все его точки.</source>
        <translation>the compressed picture data do not set all its pixels.</translation>
    </message>
    <message>
        <source>Программирования логотипа</source>
        <translation>Logo programming</translation>
    </message>
    <message>
        <source>Вид логотипа</source>
        <translation>Logo preview</translation>
    </message>
    <message>
        <source>Пароль для программирования:</source>
        <translation>Programming password:</translation>
    </message>
    <message>
        <source>Максимальный размер логотипа (по X, в пикселях):</source>
        <translation>Largest logo size (X, pixels):</translation>
    </message>
    <message>
        <source>Максимальный размер логотипа (по Y, в пикселях):</source>
        <translation>Largest logo size (Y, pixels):</translation>
    </message>
    <message>
        <source>Размер рисунка (по X, в пикселях):</source>
        <translation>Picture size (X, pixels):</translation>
    </message>
    <message>
        <source>Размер рисунка (по Y, в пикселях):</source>
        <translation>Picture size (Y, pixels):</translation>
    </message>
    <message>
        <source>Размер для загрузки (по X):</source>
        <translation>Upload size (X):</translation>
    </message>
    <message>
        <source>Размер для загрузки (по Y):</source>
        <translation>Upload size (Y):</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Программировать</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>BMP файл (*.BMP *.bmp)</source>
        <translation>BMP file (*.BMP *.bmp)</translation>
    </message>
    <message>
        <source>напоминание сделается один раз после включения регистратора</source>
        <translation>the reminder comes once after the registrar is switched on</translation>
    </message>
    <message>
        <source>вывести сообщение на дисплей </source>
        <translation>show the message on the display </translation>
    </message>
    <message>
        <source>вывести сообщение на принтер</source>
        <translation>print the message</translation>
    </message>
    <message>
        <source>дождаться нажатия клавиши регистратора</source>
        <translation>wait for a key of the registrar</translation>
    </message>
    <message>
        <source>звуковой сигнал</source>
        <translation>beep</translation>
    </message>
    <message>
        <source>Введенное сообщение будет использовано при напоминании о ТО, если <byte value="xd"/>
Вы не ввели текст, то сообщения не будет перезаписано в РРО.</source>
        <translation>The message typed is used for the maintenance reminder, if </translation>
    </message>
    <message>
        <source>Установить сообщение о техническом обслуживании</source>
        <translation>Set the maintenance message</translation>
    </message>
    <message>
        <source>Напоминать за </source>
        <translation>Remind </translation>
    </message>
    <message>
        <source>дней.</source>
        <translation>days before.</translation>
    </message>
    <message>
        <source>Маска события</source>
        <translation>Event mask</translation>
    </message>
    <message>
        <source>Напоминание о техническом обслуживании</source>
        <translation>Maintenance reminder</translation>
    </message>
    <message>
        <source>Старый пароль:</source>
        <translation>Old password:</translation>
    </message>
    <message>
        <source>Новый пароль:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Повторить новый пароль:</source>
        <translation>Repeat the new password:</translation>
    </message>
    <message>
        <source>Дата события:</source>
        <translation>Event date:</translation>
    </message>
    <message>
        <source>Установить напоминание ТО</source>
        <translation>Set the maintenance reminder</translation>
    </message>
    <message>
        <source>Прочитать информацию об напоминании ТО</source>
        <translation>Read the maintenance reminder</translation>
    </message>
    <message>
        <source>Отчет ТО</source>
        <translation>Maintenance report</translation>
    </message>
    <message>
        <source>Добавить строку во временный буфер</source>
        <translation>Add a line to the temporary buffer</translation>
    </message>
    <message>
        <source>Неверный пароль. Попробуйте ещё раз!</source>
        <translation>Wrong password. Try again!</translation>
    </message>
    <message>
        <source>Напоминать за</source>
        <translation>Remind</translation>
    </message>
    <message>
        <source>Установить информацию о сервисном обслуживании</source>
        <translation>Set the service information</translation>
    </message>
    <message>
        <source>Чтение информации о напоминании сервисного обслуживания</source>
        <translation>Reading the service reminder</translation>
    </message>
    <message>
        <source>Отчет об напоминании ТО</source>
        <translation>Maintenance reminder report</translation>
    </message>
    <message>
        <source>Состояние модема для </source>
        <translation>Modem state for </translation>
    </message>
    <message>
        <source>Номер (ID_DEV) модема:</source>
        <translation>Modem number (ID_DEV):</translation>
    </message>
    <message>
        <source>Дата персонализации::</source>
        <translation>Personalization date::</translation>
    </message>
    <message>
        <source>Ожидаемое время <byte value="xd"/>
истечения 72 часов:</source>
        <translation>Expected time </translation>
    </message>
    <message>
        <source>Время первого не переданного <byte value="xd"/>
чека в модеме:</source>
        <translation>Time of the first unsent </translation>
    </message>
    <message>
        <source>Количество чеков не <byte value="xd"/>
переданных модему:</source>
        <translation>Receipts not </translation>
    </message>
    <message>
        <source>Получить отчет</source>
        <translation>Get the report</translation>
    </message>
    <message>
        <source>Состояние модема. Ошибка!</source>
        <translation>Modem state. Error!</translation>
    </message>
    <message>
        <source>МБ_SAM неисправен</source>
        <translation>Security module (SAM) faulty</translation>
    </message>
    <message>
        <source>Карта памяти неисправна</source>
        <translation>Memory card faulty</translation>
    </message>
    <message>
        <source>Блокировка по неотправке док. 72 час</source>
        <translation>Blocked: documents not sent for 72 h</translation>
    </message>
    <message>
        <source>ID_DEV установлен</source>
        <translation>ID_DEV set</translation>
    </message>
    <message>
        <source>Техническая регистрация выполнена</source>
        <translation>Technical registration done</translation>
    </message>
    <message>
        <source>ЭККР персонализирован</source>
        <translation>Cash register personalized</translation>
    </message>
    <message>
        <source>Кабель Ethernet подключен</source>
        <translation>Ethernet cable connected</translation>
    </message>
    <message>
        <source>Есть данные для отправки</source>
        <translation>Data waiting to be sent</translation>
    </message>
    <message>
        <source>Печатать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Дата формирования  первого <byte value="xd"/>
недоставленного документа:</source>
        <translation>Date of the  first </translation>
    </message>
    <message>
        <source>Время формирования  первого <byte value="xd"/>
недоставленного документа:</source>
        <translation>Time of the  first </translation>
    </message>
    <message>
        <source>Дата персонализации:</source>
        <translation>Personalization date:</translation>
    </message>
    <message>
        <source>Время персонализации:</source>
        <translation>Personalization time:</translation>
    </message>
    <message>
        <source>Отправить данные на эквайер</source>
        <translation>Send the data to the acquirer</translation>
    </message>
    <message>
        <source>Статический IP-адрес:</source>
        <translation>Static IP address:</translation>
    </message>
    <message>
        <source>Маска подсети:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Шлюз:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Периодичность связи (мин):</source>
        <translation>Link interval (min):</translation>
    </message>
    <message>
        <source>Повторная попытка (сек):</source>
        <translation>Retry (s):</translation>
    </message>
    <message>
        <source>Проверка состояния удаленного доступа </source>
        <translation>Remote access state check </translation>
    </message>
    <message>
        <source>Некорректный IP-адрес. Ошибка!</source>
        <translation>Wrong IP address. Error!</translation>
    </message>
    <message>
        <source>Некорректный номер порта. Ошибка!</source>
        <translation>Wrong port number. Error!</translation>
    </message>
    <message>
        <source>Некорректная величина параметра Периодичность связи. Ошибка!</source>
        <translation>Wrong value of the link interval. Error!</translation>
    </message>
    <message>
        <source>Некорректная величина параметра Повторной попытки. Ошибка!</source>
        <translation>Wrong value of the retry. Error!</translation>
    </message>
    <message>
        <source>Файл не содержит параметров связи (8 строк до 29 символов). Ошибка.</source>
        <translation>The file holds no link parameters (8 lines of up to 29 characters). Error.</translation>
    </message>
    <message>
        <source>Символ &quot;;&quot; в имени сети или пароле недопустим. Команда не отправлена!</source>
        <translation>&quot;;&quot; is not allowed in the network name or password. The command was not sent!</translation>
    </message>
    <message>
        <source>Выполнялись продажи</source>
        <translation>Sales were made</translation>
    </message>
    <message>
        <source>Установить параметры оператора</source>
        <translation>Set operator parameters</translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Пароль оператора:</source>
        <translation>Operator password:</translation>
    </message>
    <message>
        <source>Прочитать параметры оператора</source>
        <translation>Read operator parameters</translation>
    </message>
    <message>
        <source>Удалить оператора</source>
        <translation>Delete the operator</translation>
    </message>
    <message>
        <source>Если номер оператора &quot;-1&quot;, то удаляются все опреаторы.</source>
        <translation>With operator number &quot;-1&quot; every operator is deleted.</translation>
    </message>
    <message>
        <source>Ошибка! Номер оператора неверный.</source>
        <translation>Error! Wrong operator number.</translation>
    </message>
    <message>
        <source>Оператор </source>
        <translation>Operator </translation>
    </message>
    <message>
        <source>Пароли режимов</source>
        <translation>Mode passwords</translation>
    </message>
    <message>
        <source>Новый пароль программирования:</source>
        <translation>New programming password:</translation>
    </message>
    <message>
        <source>Новый пароль отчетов:</source>
        <translation>New reports password:</translation>
    </message>
    <message>
        <source>Новый пароль администратора:</source>
        <translation>New administrator password:</translation>
    </message>
    <message>
        <source>Пароль администратора:</source>
        <translation>Administrator password:</translation>
    </message>
    <message>
        <source>Ошибка установки паролей: 
  </source>
        <translation>Error setting the passwords: 
  </translation>
    </message>
    <message>
        <source>Разрешение использования при продаже</source>
        <translation>Allowed in sales</translation>
    </message>
    <message>
        <source>Разрешение использования при возврате</source>
        <translation>Allowed in refunds</translation>
    </message>
    <message>
        <source>Разрешение начисления сдачи наличными</source>
        <translation>Change in cash allowed</translation>
    </message>
    <message>
        <source>Работа с терминалом</source>
        <translation>Works with the terminal</translation>
    </message>
    <message>
        <source>Добавить форму оплаты</source>
        <translation>Add a payment form</translation>
    </message>
    <message>
        <source>Наименование:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Номер:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Возврат</source>
        <translation>Refund</translation>
    </message>
    <message>
        <source>Сдача наличными</source>
        <translation>Change in cash</translation>
    </message>
    <message>
        <source>Добавление формы оплаты:
  </source>
        <translation>Adding the payment form:
  </translation>
    </message>
    <message>
        <source>Чтение форм оплаты:
  </source>
        <translation>Reading the payment forms:
  </translation>
    </message>
    <message>
        <source>Импульс открытия денежного ящика (Hex) :</source>
        <translation>Cash drawer open pulse (Hex) :</translation>
    </message>
    <message>
        <source>Импульс закрытия денежного ящика (Hex) :</source>
        <translation>Cash drawer close pulse (Hex) :</translation>
    </message>
    <message>
        <source>Количество символов в одной линии наименования товара:</source>
        <translation>Characters in one line of an article name:</translation>
    </message>
    <message>
        <source>Печатать количество-цену вместе</source>
        <translation>Print quantity and price together</translation>
    </message>
    <message>
        <source>Не обнулять базы продаж/товаров</source>
        <translation>Do not clear the sales/article bases</translation>
    </message>
    <message>
        <source>Отображать опер. продажи на дисплее</source>
        <translation>Show sales on the display</translation>
    </message>
    <message>
        <source>Не печатать рекламу в конце чека</source>
        <translation>Do not print the advertising at the end of a receipt</translation>
    </message>
    <message>
        <source>Выключить обрезчик</source>
        <translation>Switch the cutter off</translation>
    </message>
    <message>
        <source>Печатать логотип пользователя</source>
        <translation>Print the user logo</translation>
    </message>
    <message>
        <source>Прогон бумаги под обрезку пустыми строками</source>
        <translation>Feed paper to the cut with blank lines</translation>
    </message>
    <message>
        <source>Не осуществлять прогон бумаги под линию отреза </source>
        <translation>Do not feed paper to the cutting line </translation>
    </message>
    <message>
        <source>Всегда печатать количество товара</source>
        <translation>Always print the quantity</translation>
    </message>
    <message>
        <source>Печатать количество позиций в чеке</source>
        <translation>Print the number of items in a receipt</translation>
    </message>
    <message>
        <source>Печатать код товара</source>
        <translation>Print the article code</translation>
    </message>
    <message>
        <source>Не печатать контрольную ленту для нефискализированного регистратора</source>
        <translation>No control tape for a registrar not fiscalized</translation>
    </message>
    <message>
        <source>Печатать сокращенную контр. ленту </source>
        <translation>Print a short control tape </translation>
    </message>
    <message>
        <source>Продолжить печать после восстановления принтера </source>
        <translation>Continue printing when the printer recovers </translation>
    </message>
    <message>
        <source>Мелкий шрифт в чековой ленте</source>
        <translation>Small font on the receipt paper</translation>
    </message>
    <message>
        <source>Мелкий шрифт в контрольной ленте</source>
        <translation>Small font on the control tape</translation>
    </message>
    <message>
        <source>Использовать бумагу шириной 57 мм</source>
        <translation>Use 57 mm paper</translation>
    </message>
    <message>
        <source>Очистить все</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Установить все</source>
        <translation>Set all</translation>
    </message>
    <message>
        <source>&quot; должно быть </source>
        <translation>&quot; must be </translation>
    </message>
    <message>
        <source>Скорость обмена:</source>
        <translation>Exchange speed:</translation>
    </message>
    <message>
        <source>Контрастность печати:</source>
        <translation>Print contrast:</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Расширенные параметры печати</source>
        <translation>Extended print parameters</translation>
    </message>
    <message>
        <source>Параметры документа</source>
        <translation>Document parameters</translation>
    </message>
    <message>
        <source>Не выбрана скорость обмена. Команда не отправлена!</source>
        <translation>No exchange speed chosen. The command was not sent!</translation>
    </message>
    <message>
        <source>шестнадцатеричное число от 00 до FF</source>
        <translation>a hexadecimal number from 00 to FF</translation>
    </message>
    <message>
        <source>целое число от 0 до 99</source>
        <translation>a whole number from 0 to 99</translation>
    </message>
    <message>
        <source>Скорость не сохранена в </source>
        <translation>The speed was not saved in </translation>
    </message>
    <message>
        <source>Адрес сервера удаленного доступа:</source>
        <translation>Remote access server address:</translation>
    </message>
    <message>
        <source>Напряжение аккумулятора</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>Выбор режима связи</source>
        <translation>Link mode</translation>
    </message>
    <message>
        <source>Время засыпания аппарата при бездействии аппарата </source>
        <translation>Idle time before the device sleeps </translation>
    </message>
    <message>
        <source>Режим USB накопителя</source>
        <translation>USB storage mode</translation>
    </message>
    <message>
        <source>Активация сенсора открытия крышки контрольной ленты(1- активирован)</source>
        <translation>Control tape cover sensor (1 - active)</translation>
    </message>
    <message>
        <source>Подкладной бланк</source>
        <translation>Slip form</translation>
    </message>
    <message>
        <source>Способ хранения описания кассиров</source>
        <translation>How cashiers are stored</translation>
    </message>
    <message>
        <source>Обновление служебных сообщений</source>
        <translation>Service messages update</translation>
    </message>
    <message>
        <source>Выгрузка журналу на карту если карта рабочая и есть свободное место</source>
        <translation>Unload the journal to the card when the card works and has room</translation>
    </message>
    <message>
        <source>Маленький шрифт чека</source>
        <translation>Small receipt font</translation>
    </message>
    <message>
        <source>Тип дисплея</source>
        <translation>Display type</translation>
    </message>
    <message>
        <source>Размер свободной памяти в байтах</source>
        <translation>Free memory in bytes</translation>
    </message>
    <message>
        <source>Не выводить комментарии в XML</source>
        <translation>No comments in XML</translation>
    </message>
    <message>
        <source>Открывать ящик автоматически</source>
        <translation>Open the drawer automatically</translation>
    </message>
    <message>
        <source>Надбавки/скидки в отчете (0 - выводить, 1 - нет)</source>
        <translation>Surcharges/discounts in the report (0 - show, 1 - no)</translation>
    </message>
    <message>
        <source>Включить датчик крышки</source>
        <translation>Cover sensor on</translation>
    </message>
    <message>
        <source>Установить значение MTU для фрагмента данных TCP (500-1460)</source>
        <translation>MTU of a TCP data fragment (500-1460)</translation>
    </message>
    <message>
        <source>Не печатать (0) сумму денег в кассе в чеках внесения изъятия</source>
        <translation>Do not print (0) the cash in the till on cash in/out receipts</translation>
    </message>
    <message>
        <source>Печатаь (1) в чеках продажи и возврата налоговые ставки с оборотом 0</source>
        <translation>Print (1) tax rates with zero turnover on sale and refund receipts</translation>
    </message>
    <message>
        <source>Автоматическая печать (1) ответов об отправке документов на сервер ДПС </source>
        <translation>Print (1) the answers about documents sent to the tax service server </translation>
    </message>
    <message>
        <source>Включить (1) удаленный доступ (0 - выключить)</source>
        <translation>Remote access on (1) (0 - off)</translation>
    </message>
    <message>
        <source>Принудительная отправка данных информационному эквайру (1)</source>
        <translation>Force sending data to the information acquirer (1)</translation>
    </message>
    <message>
        <source>Индикация сообщений об ошибках для FP-3530T. 0 (по умолчанию)  - отключена, 1 - включена.</source>
        <translation>Error message indication for FP-3530T. 0 (default)  - off, 1 - on.</translation>
    </message>
    <message>
        <source>Установка текущего значения секунд в часах реального времени.</source>
        <translation>Sets the seconds of the real-time clock.</translation>
    </message>
    <message>
        <source>Чтение счетчиков</source>
        <translation>Read the counters</translation>
    </message>
    <message>
        <source>Служебный счетчик:</source>
        <translation>Service counter:</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Чтение служебных счетчиков</source>
        <translation>Reading service counters</translation>
    </message>
    <message>
        <source>Установка служебных счетчиков</source>
        <translation>Setting service counters</translation>
    </message>
    <message>
        <source>Ошибка команды настройки WiFi</source>
        <translation>WiFi setting command error</translation>
    </message>
    <message>
        <source>Ошибка команды связи с роутером</source>
        <translation>Router link command error</translation>
    </message>
    <message>
        <source>Соединение с роутером: </source>
        <translation>Router connection: </translation>
    </message>
    <message>
        <source>Наименование сети WiFi (SSID):</source>
        <translation>WiFi network name (SSID):</translation>
    </message>
    <message>
        <source>Режим авторизации:</source>
        <translation>Authentication mode:</translation>
    </message>
    <message>
        <source>Алгоритм шифрования:</source>
        <translation>Encryption:</translation>
    </message>
    <message>
        <source>Пароль команды:</source>
        <translation>Command password:</translation>
    </message>
    <message>
        <source>Связь с роутером</source>
        <translation>Router link</translation>
    </message>
    <message>
        <source>Нет соединения</source>
        <translation>No connection</translation>
    </message>
    <message>
        <source>Установлено: </source>
        <translation>Connected: </translation>
    </message>
    <message>
        <source>Код ошибки: </source>
        <translation>Error code: </translation>
    </message>
    <message>
        <source>Данные: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Статус: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Регистратор не ответил на команду %1h!</source>
        <translation>The registrar did not answer command %1h!</translation>
    </message>
    <message>
        <source>Виртуальный порт USB регистратора будет отключен и включен снова.</source>
        <translation>The registrar&apos;s virtual USB port will be switched off and on again.</translation>
    </message>
    <message>
        <source>Журнал обмена сохранен в </source>
        <translation>Exchange log saved to </translation>
    </message>
    <message>
        <source>Ожидание %1 мс</source>
        <translation>Waiting %1 ms</translation>
    </message>
    <message>
        <source>Обмен с регистратором. %1</source>
        <translation>Exchange with the registrar. %1</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>
Это действие нельзя отменить. Продолжить?</source>
        <translation>
This cannot be undone. Continue?</translation>
    </message>
    <message>
        <source>Если открыт чек, закройте или аннулируйте его: Продажа → Аннулирование и закрытие чека.</source>
        <translation>If a receipt is open, close or void it: Sales → Void and close a receipt.</translation>
    </message>
    <message>
        <source>Если открыт чек, закройте его (Продажа → Аннулирование и закрытие чека); если открыта смена, закройте ее Z-отчетом (Отчеты → Печать дневных отчетов).</source>
        <translation>If a receipt is open, close it (Sales → Void and close a receipt); if a shift is open, close it with a Z report (Reports → Print daily reports).</translation>
    </message>
    <message>
        <source>Закройте смену Z-отчетом: Отчеты → Печать дневных отчетов.</source>
        <translation>Close the shift with a Z report: Reports → Print daily reports.</translation>
    </message>
    <message>
        <source>Проверьте бумагу и крышку принтера регистратора и повторите команду; состояние принтера показывает кнопка &quot;Состояние регистратора&quot;.</source>
        <translation>Check the paper and the printer cover of the registrar and repeat the command; the button &quot;Registrar status&quot; shows the printer&apos;s state.</translation>
    </message>
    <message>
        <source>Проверьте поле &quot;Пароль:&quot; этого окна; пароли регистратора задаются в окне Утилиты → Пароли.</source>
        <translation>Check the field &quot;Password:&quot; of this window; the registrar&apos;s passwords are set in Utilities → Passwords.</translation>
    </message>
    <message>
        <source>Фискальная память заполнена: прочитайте ее (Утилиты → Фискальная память) и обратитесь в сервисный центр для ее замены.</source>
        <translation>The fiscal memory is full: read it (Utilities → Fiscal memory) and contact a service centre to have it replaced.</translation>
    </message>
    <message>
        <source>Лента сохранена в </source>
        <translation>Tape saved to </translation>
    </message>
    <message>
        <source>Ожидание прервано пользователем: ответ регистратора не получен!</source>
        <translation>Wait aborted by the user: no answer from the registrar!</translation>
    </message>
    <message>
        <source>Устройство не удалено (SetupDiSetClassInstallParams)!</source>
        <translation>Device not removed (SetupDiSetClassInstallParams)!</translation>
    </message>
    <message>
        <source>Устройство не удалено (SetupDiCallInstaller)!</source>
        <translation>Device not removed (SetupDiCallInstaller)!</translation>
    </message>
    <message>
        <source>Устройство не восстановлено (SetupDiSetClassInstallParams)!</source>
        <translation>Device not restored (SetupDiSetClassInstallParams)!</translation>
    </message>
    <message>
        <source>Устройство не восстановлено (SetupDiCallInstaller)!</source>
        <translation>Device not restored (SetupDiCallInstaller)!</translation>
    </message>
    <message>
        <source>Контрольная лента будет обнулена.</source>
        <translation>The control tape will be cleared.</translation>
    </message>
    <message>
        <source>Контрольная лента будет выгружена и обнулена, база товаров - обнулена.</source>
        <translation>The control tape will be unloaded and cleared, the goods database cleared.</translation>
    </message>
    <message>
        <source>Контрольная лента будет выгружена и обнулена.</source>
        <translation>The control tape will be unloaded and cleared.</translation>
    </message>
    <message>
        <source>Z-отчет закроет смену и запишет ее итоги в фискальную память.</source>
        <translation>The Z report will close the shift and write its totals to the fiscal memory.</translation>
    </message>
    <message>
        <source>Чтение данных из флеш-памяти в файл</source>
        <translation>Reading flash memory data to a file</translation>
    </message>
    <message>
        <source>Ставки налогов не прочитаны из регистратора: в таблице значения по умолчанию.</source>
        <translation>Tax rates not read from the registrar: the table holds the default values.</translation>
    </message>
    <message>
        <source> Нажмите &quot;Прочитать&quot;.</source>
        <translation> Press &quot;Read&quot;.</translation>
    </message>
    <message>
        <source>Ставки налогов будут записаны в фискальную память регистратора.</source>
        <translation>The tax rates will be written to the registrar&apos;s fiscal memory.</translation>
    </message>
    <message>
        <source>Ставки налогов будут записаны в фискальную память регистратора.
</source>
        <translation>The tax rates will be written to the registrar&apos;s fiscal memory.
</translation>
    </message>
    <message>
        <source>Регистратор будет фискализирован с заводским номером </source>
        <translation>The registrar will be fiscalized with the factory number </translation>
    </message>
    <message>
        <source>: он привязывается к номеру и паролю налогового инспектора навсегда.</source>
        <translation>: it is bound to the tax inspector&apos;s number and password for good.</translation>
    </message>
</context>
</TS>
