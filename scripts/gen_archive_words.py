"""Word lists and sentence templates for scripts/gen_archive.

Russian nouns, verbs and adjectives carry their case, number and tense
forms so that the generated prose has the variety of word forms that the
search's word-form folding has to cope with.
"""

# Titles of the categories that have index pages of their own.
PAGE_TABLE_CATEGORIES = [
    "Базы данных", "Графика и Игры", "Интернет и Сети", "Компоненты и Классы", "Мультимедиа",
    "ОС и Железо", "Программа и Интерфейс", "Рабочий стол", "Синтаксис", "Технологии",
    "Файловая система",
]

# Subcategory titles with the ASCII stem of their articles' file names.
SUBJECTS = [
    ("Язык SQL", "sql"), ("Индексы", "index"), ("Транзакции", "trans"), ("Хранимые процедуры", "proc"),
    ("Отчёты", "report"), ("Репликация", "repl"), ("Растровая графика", "raster"),
    ("Векторная графика", "vector"), ("Трёхмерные сцены", "scene"), ("Игровая физика", "physics"),
    ("Спрайты", "sprite"), ("Шрифты и текст", "font"), ("Сокеты", "socket"), ("Протокол HTTP", "http"),
    ("Электронная почта", "mail"), ("Веб-страницы", "web"), ("FTP-клиенты", "ftp"), ("Прокси-серверы", "proxy"),
    ("Проектирование классов", "class"), ("Шаблоны проектирования", "pattern"),
    ("Визуальные компоненты", "visual"), ("Невизуальные компоненты", "nonvisual"), ("Коллекции", "collect"),
    ("Сериализация", "serial"), ("Звук", "sound"), ("Видео", "video"), ("Проигрыватели", "player"),
    ("Кодеки", "codec"), ("Процессы", "process"), ("Потоки", "thread"), ("Память", "memory"),
    ("Реестр", "registry"), ("Драйверы", "driver"), ("Порты ввода-вывода", "port"), ("Службы", "service"),
    ("Окна и диалоги", "dialog"), ("Меню и команды", "menu"), ("Панели инструментов", "toolbar"),
    ("Списки и деревья", "tree"), ("Настройки программы", "settings"), ("Справка", "help"),
    ("Ярлыки", "shortcut"), ("Обои и темы", "theme"), ("Системный трей", "tray"),
    ("Панель задач", "taskbar"), ("Указатели", "pointer"), ("Строки", "string"), ("Циклы и условия", "loop"),
    ("Исключения", "except"), ("Шаблоны типов", "template"), ("Перегрузка операторов", "operator"),
    ("Модули", "unit"), ("Технология COM", "com"), ("Автоматизация офиса", "office"), ("OLE", "ole"),
    ("ActiveX", "activex"), ("Файлы и каталоги", "file"), ("Текстовые файлы", "text"),
    ("Двоичные файлы", "binary"), ("Архивы", "archive"), ("Атрибуты и права", "attr"),
    ("Сортировка", "sort"), ("Поиск", "search"), ("Структуры данных", "struct"), ("Хеширование", "hash"),
    ("Сжатие данных", "compress"), ("Шифрование", "crypt"), ("Отладка", "debug"), ("Тестирование", "test"),
    ("Оптимизация", "optim"), ("Сборка проекта", "build"), ("Локализация", "locale"),
    ("Печать", "print"), ("Буфер обмена", "clipboard"), ("Перетаскивание", "dragdrop"),
    ("Таймеры", "timer"), ("Сеть Windows", "netbios"), ("Дата и время", "date"),
]

# gender | nom gen dat acc ins prep (singular) | nom gen dat ins prep (plural)
_NOUNS = """
m|файл файла файлу файл файлом файле|файлы файлов файлам файлами файлах
m|каталог каталога каталогу каталог каталогом каталоге|каталоги каталогов каталогам каталогами каталогах
m|индекс индекса индексу индекс индексом индексе|индексы индексов индексам индексами индексах
m|запрос запроса запросу запрос запросом запросе|запросы запросов запросам запросами запросах
m|поток потока потоку поток потоком потоке|потоки потоков потокам потоками потоках
m|буфер буфера буферу буфер буфером буфере|буферы буферов буферам буферами буферах
m|массив массива массиву массив массивом массиве|массивы массивов массивам массивами массивах
m|указатель указателя указателю указатель указателем указателе|указатели указателей указателям указателями указателях
m|компонент компонента компоненту компонент компонентом компоненте|компоненты компонентов компонентам компонентами компонентах
m|класс класса классу класс классом классе|классы классов классам классами классах
m|метод метода методу метод методом методе|методы методов методам методами методах
m|сервер сервера серверу сервер сервером сервере|серверы серверов серверам серверами серверах
m|сокет сокета сокету сокет сокетом сокете|сокеты сокетов сокетам сокетами сокетах
m|алгоритм алгоритма алгоритму алгоритм алгоритмом алгоритме|алгоритмы алгоритмов алгоритмам алгоритмами алгоритмах
m|обработчик обработчика обработчику обработчик обработчиком обработчике|обработчики обработчиков обработчикам обработчиками обработчиках
m|параметр параметра параметру параметр параметром параметре|параметры параметров параметрам параметрами параметрах
m|символ символа символу символ символом символе|символы символов символам символами символах
m|ключ ключа ключу ключ ключом ключе|ключи ключей ключам ключами ключах
m|список списка списку список списком списке|списки списков спискам списками списках
m|драйвер драйвера драйверу драйвер драйвером драйвере|драйверы драйверов драйверам драйверами драйверах
m|цикл цикла циклу цикл циклом цикле|циклы циклов циклам циклами циклах
m|узел узла узлу узел узлом узле|узлы узлов узлам узлами узлах
m|заголовок заголовка заголовку заголовок заголовком заголовке|заголовки заголовков заголовкам заголовками заголовках
m|шрифт шрифта шрифту шрифт шрифтом шрифте|шрифты шрифтов шрифтам шрифтами шрифтах
m|документ документа документу документ документом документе|документы документов документам документами документах
f|таблица таблицы таблице таблицу таблицей таблице|таблицы таблиц таблицам таблицами таблицах
f|строка строки строке строку строкой строке|строки строк строкам строками строках
f|функция функции функции функцию функцией функции|функции функций функциям функциями функциях
f|переменная переменной переменной переменную переменной переменной|переменные переменных переменным переменными переменных
f|программа программы программе программу программой программе|программы программ программам программами программах
f|структура структуры структуре структуру структурой структуре|структуры структур структурам структурами структурах
f|очередь очереди очереди очередь очередью очереди|очереди очередей очередям очередями очередях
f|транзакция транзакции транзакции транзакцию транзакцией транзакции|транзакции транзакций транзакциям транзакциями транзакциях
f|страница страницы странице страницу страницей странице|страницы страниц страницам страницами страницах
f|кнопка кнопки кнопке кнопку кнопкой кнопке|кнопки кнопок кнопкам кнопками кнопках
f|запись записи записи запись записью записи|записи записей записям записями записях
f|ошибка ошибки ошибке ошибку ошибкой ошибке|ошибки ошибок ошибкам ошибками ошибках
f|библиотека библиотеки библиотеке библиотеку библиотекой библиотеке|библиотеки библиотек библиотекам библиотеками библиотеках
f|форма формы форме форму формой форме|формы форм формам формами формах
f|блокировка блокировки блокировке блокировку блокировкой блокировке|блокировки блокировок блокировкам блокировками блокировках
f|кодировка кодировки кодировке кодировку кодировкой кодировке|кодировки кодировок кодировкам кодировками кодировках
f|команда команды команде команду командой команде|команды команд командам командами командах
n|значение значения значению значение значением значении|значения значений значениям значениями значениях
n|окно окна окну окно окном окне|окна окон окнам окнами окнах
n|событие события событию событие событием событии|события событий событиям событиями событиях
n|свойство свойства свойству свойство свойством свойстве|свойства свойств свойствам свойствами свойствах
n|поле поля полю поле полем поле|поля полей полям полями полях
n|соединение соединения соединению соединение соединением соединении|соединения соединений соединениям соединениями соединениях
n|сообщение сообщения сообщению сообщение сообщением сообщении|сообщения сообщений сообщениям сообщениями сообщениях
n|исключение исключения исключению исключение исключением исключении|исключения исключений исключениям исключениями исключениях
n|приложение приложения приложению приложение приложением приложении|приложения приложений приложениям приложениями приложениях
n|дерево дерева дереву дерево деревом дереве|деревья деревьев деревьям деревьями деревьях
n|изображение изображения изображению изображение изображением изображении|изображения изображений изображениям изображениями изображениях
n|устройство устройства устройству устройство устройством устройстве|устройства устройств устройствам устройствами устройствах
"""

# infinitive, 3rd person singular and plural, past m f n pl, 1st person plural
_VERBS = """
читать читает читают читал читала читало читали читаем
записывать записывает записывают записывал записывала записывало записывали записываем
создавать создаёт создают создавал создавала создавало создавали создаём
обрабатывать обрабатывает обрабатывают обрабатывал обрабатывала обрабатывало обрабатывали обрабатываем
проверять проверяет проверяют проверял проверяла проверяло проверяли проверяем
сохранять сохраняет сохраняют сохранял сохраняла сохраняло сохраняли сохраняем
удалять удаляет удаляют удалял удаляла удаляло удаляли удаляем
передавать передаёт передают передавал передавала передавало передавали передаём
сортировать сортирует сортируют сортировал сортировала сортировало сортировали сортируем
вызывать вызывает вызывают вызывал вызывала вызывало вызывали вызываем
освобождать освобождает освобождают освобождал освобождала освобождало освобождали освобождаем
заполнять заполняет заполняют заполнял заполняла заполняло заполняли заполняем
открывать открывает открывают открывал открывала открывало открывали открываем
закрывать закрывает закрывают закрывал закрывала закрывало закрывали закрываем
искать ищет ищут искал искала искало искали ищем
копировать копирует копируют копировал копировала копировало копировали копируем
изменять изменяет изменяют изменял изменяла изменяло изменяли изменяем
хранить хранит хранят хранил хранила хранило хранили храним
отображать отображает отображают отображал отображала отображало отображали отображаем
блокировать блокирует блокируют блокировал блокировала блокировало блокировали блокируем
загружать загружает загружают загружал загружала загружало загружали загружаем
описывать описывает описывают описывал описывала описывало описывали описываем
"""

# masculine, feminine, neuter, plural nominative, plural genitive, plural instrumental
_ADJECTIVES = """
новый новая новое новые новых новыми
временный временная временное временные временных временными
большой большая большое большие больших большими
длинный длинная длинное длинные длинных длинными
текстовый текстовая текстовое текстовые текстовых текстовыми
двоичный двоичная двоичное двоичные двоичных двоичными
общий общая общее общие общих общими
локальный локальная локальное локальные локальных локальными
пустой пустая пустое пустые пустых пустыми
системный системная системное системные системных системными
главный главная главное главные главных главными
следующий следующая следующее следующие следующих следующими
отдельный отдельная отдельное отдельные отдельных отдельными
сетевой сетевая сетевое сетевые сетевых сетевыми
открытый открытая открытое открытые открытых открытыми
"""

ACTIONS = ["Чтение", "Запись", "Создание", "Обработка", "Проверка", "Сохранение", "Удаление", "Передача",
           "Сортировка", "Вызов", "Освобождение", "Заполнение", "Открытие", "Копирование", "Изменение",
           "Хранение", "Отображение", "Блокировка", "Загрузка", "Описание", "Поиск"]
PLACES = ["в Delphi", "на C++", "в C#", "на Python", "в Windows", "в Linux", "средствами WinAPI",
          "без лишних копий", "в многопоточной программе", "для начинающих", "на практике",
          "в базе данных", "через интерфейсы", "в реальном времени"]
OPENERS = ["Обычно", "Как правило", "Кроме того", "На практике", "Поэтому", "Затем", "В этом случае",
           "Чаще всего", "Иногда", "Разумеется", "Впрочем", "Сначала", "После этого", "Как видно из примера"]

_EN_NOUNS = ("file index query thread buffer array pointer component class method server socket table "
             "string function variable record window event property field connection message exception "
             "tree page key list handle stream lock transaction").split()
_EN_PLURAL = {"index": "indexes", "query": "queries", "class": "classes", "property": "properties"}
_EN_VERBS = [v.split() for v in (
    "read reads read reading|write writes wrote writing|create creates created creating|"
    "process processes processed processing|check checks checked checking|store stores stored storing|"
    "delete deletes deleted deleting|send sends sent sending|sort sorts sorted sorting|"
    "call calls called calling|release releases released releasing|open opens opened opening|"
    "close closes closed closing|find finds found finding|copy copies copied copying|"
    "update updates updated updating|load loads loaded loading|parse parses parsed parsing").split("|")]
_EN_ADJ = "new temporary large binary shared local empty default next separate open global".split()
_EN_OPENERS = ["Usually", "In practice", "Of course", "Then", "In this case", "Sometimes", "As a rule"]

_FIRST_M = ("Андрей Борис Вадим Георгий Денис Егор Иван Кирилл Леонид Максим Никита Роман Степан Фёдор "
            "Юрий Артём Глеб Тимур Ярослав Лев").split()
_FIRST_F = ("Анна Вера Галина Дарья Елена Жанна Зоя Ксения Людмила Нина Ольга Полина Раиса Татьяна Юлия "
            "Алиса Вероника Евгения Софья Яна").split()
_SURNAMES = ("Абрамов Белов Воронцов Гусев Данилов Ершов Жуков Зайцев Исаев Карпов Лазарев Миронов Никитин "
             "Осипов Пахомов Родионов Соболев Титов Ульянов Фомин Харитонов Цветков Чернов Шубин Щукин Юдин "
             "Яковлев Горелов Кудрин Сафонов").split()
_LATIN_AUTHORS = ["Peter Blake", "Mark Wheeler", "Susan Hart", "Tom Reilly", "Anna Kowalska"]


class Noun:
    def __init__(self, line):
        g, sg, pl = line.split("|")
        self.gender = g
        (self.nom, self.gen, self.dat, self.acc, self.ins, self.prep) = sg.split()
        (self.nom_pl, self.gen_pl, self.dat_pl, self.ins_pl, self.prep_pl) = pl.split()
        self.acc_pl = self.nom_pl   # all of them inanimate


class Verb:
    def __init__(self, line):
        (self.inf, self.s3, self.p3, self.past_m, self.past_f, self.past_n, self.past_pl,
         self.p1) = line.split()

    def past(self, gender):
        return {"m": self.past_m, "f": self.past_f, "n": self.past_n}[gender]


class Adjective:
    def __init__(self, line):
        (self.m, self.f, self.n, self.pl, self.gen_pl, self.ins_pl) = line.split()

    def agree(self, noun):
        return {"m": self.m, "f": self.f, "n": self.n}[noun.gender]


NOUNS = [Noun(s) for s in _NOUNS.strip().splitlines()]
VERBS = [Verb(s) for s in _VERBS.strip().splitlines()]
ADJECTIVES = [Adjective(s) for s in _ADJECTIVES.strip().splitlines()]


def _cap(s):
    return s[:1].upper() + s[1:]


def _mark(r, word):
    x = r.random()
    if x < 0.05:
        return "<b>" + word + "</b>"
    if x < 0.08:
        return "<i>" + word + "</i>"
    return word


def _en_plural(n):
    return _EN_PLURAL.get(n, n + "s")


def sentence_ru(r):
    n1, n2, n3 = r.sample(NOUNS, 3)
    v1, v2 = r.choice(VERBS), r.choice(VERBS)
    a = r.choice(ADJECTIVES)
    m = lambda w: _mark(r, w)  # noqa: E731
    k = r.randrange(16)
    if k == 0:
        s = "%s %s %s %s." % (_cap(a.agree(n1)), m(n1.nom), v1.s3, m(n2.acc_pl))
    elif k == 1:
        s = "%s, %s %s %s и %s %s." % (r.choice(OPENERS), n1.nom, v1.s3, m(n2.acc), v2.s3, n3.acc_pl)
    elif k == 2:
        s = "Если %s не %s %s, %s %s %s заново." % (n1.nom, v1.s3, m(n2.gen_pl), n3.nom_pl, v2.p3, n2.acc)
    elif k == 3:
        one = "одной" if n3.gender == "f" else "одном"
        s = "Для %s удобно %s %s в %s %s." % (n1.gen_pl, v1.inf, m(n2.acc_pl), one, n3.prep)
    elif k == 4:
        s = "Мы %s %s с %s, и %s сразу %s %s." % (v1.p1, m(n1.acc), n2.ins, n3.nom, v2.past(n3.gender),
                                                  n1.acc_pl)
    elif k == 5:
        s = "Без %s %s %s %s заметно медленнее." % (m(n1.gen), a.pl, n2.nom_pl, v1.p3)
    elif k == 6:
        s = "Количество %s зависит от %s %s." % (m(n1.gen_pl), n2.gen, n3.gen_pl)
    elif k == 7:
        s = "Доступ к %s открывается через %s и %s." % (n1.dat_pl, m(n2.acc_pl), n3.acc)
    elif k == 8:
        s = "При %s %s %s %s %s." % (n1.prep, n2.nom_pl, v1.p3, a.gen_pl, m(n3.gen_pl))
    elif k == 9:
        s = "%s %s %s %s вместе с %s." % (_cap(r.choice(OPENERS).lower()), n1.nom_pl, v1.past_pl,
                                          m(n2.acc_pl), n3.ins_pl)
    elif k == 10:
        s = "Нельзя %s %s, пока %s ещё %s %s." % (v1.inf, m(n1.acc), n2.nom, v2.s3, n3.acc)
    elif k == 11:
        s = "Каждый %s %s по %s %s." % (r.choice([n for n in NOUNS if n.gender == "m"]).nom, v1.s3,
                                         n2.dat_pl, m(n3.gen))
    elif k == 12:
        s = "В %s хранятся %s %s, а %s %s отдельно." % (n1.prep_pl, a.pl, m(n2.nom_pl), n3.nom_pl, v1.p3)
    elif k == 13:
        s = "%s %s %s %s %s." % (_cap(n1.nom), v1.past(n1.gender), m(n2.acc), a.ins_pl, n3.ins_pl)
    elif k == 14:
        s = "О %s и %s подробно рассказано в предыдущих статьях." % (n1.prep_pl, m(n2.prep_pl))
    else:
        s = "Программа %s %s, затем %s %s и %s %s." % (v1.s3, m(n1.acc_pl), v2.s3, n2.acc, r.choice(VERBS).s3,
                                                       n3.acc_pl)
    return s


def sentence_en(r):
    n1, n2, n3 = r.choice(_EN_NOUNS), r.choice(_EN_NOUNS), r.choice(_EN_NOUNS)
    v1, v2 = r.choice(_EN_VERBS), r.choice(_EN_VERBS)
    a = r.choice(_EN_ADJ)
    k = r.randrange(6)
    if k == 0:
        return "The %s %s %s %s before it %s the %s." % (a, n1, v1[1], _en_plural(n2), v2[1], n3)
    if k == 1:
        return "%s, the program %s every %s when the %s is %s." % (r.choice(_EN_OPENERS), v1[1], n1, n2,
                                                                   v2[2] if v2[2].endswith("d") else "ready")
    if k == 2:
        return "%s %s is faster than %s them one by one." % (_cap(v1[3]), _en_plural(n1), v2[3])
    if k == 3:
        return "We %s the %s %s and then %s the %s." % (v1[2], a, n1, v2[0], _en_plural(n2))
    if k == 4:
        return "Each %s keeps its own %s, so two %s never share one %s." % (n1, n2, _en_plural(n1), n3)
    return "Do not %s a %s while another %s is %s it." % (v1[0], n1, n2, v2[3])


def heading(r):
    n1, n2 = r.sample(NOUNS, 2)
    k = r.randrange(4)
    if k == 0:
        return "%s %s" % (r.choice(ACTIONS), n1.gen_pl)
    if k == 1:
        return "%s и %s" % (_cap(n1.nom_pl), n2.nom_pl)
    if k == 2:
        return "%s %s" % (_cap(r.choice(ADJECTIVES).agree(n1)), n1.nom)
    return "Как %s %s" % (r.choice(VERBS).inf, n1.acc)


def article_title(r, subject):
    n1, n2 = r.sample(NOUNS, 2)
    k = r.randrange(6)
    if k == 0:
        return "%s %s %s" % (r.choice(ACTIONS), n1.gen_pl, r.choice(PLACES))
    if k == 1:
        return "%s %s: %s" % (_cap(r.choice(ADJECTIVES).agree(n1)), n1.nom, subject.lower())
    if k == 2:
        return "Как %s %s %s" % (r.choice(VERBS).inf, n1.acc, r.choice(PLACES))
    if k == 3:
        return "%s и %s %s" % (_cap(n1.nom_pl), n2.nom_pl, r.choice(PLACES))
    if k == 4:
        return "Working with %s %s" % (_en_plural(r.choice(_EN_NOUNS)), r.choice(["in Delphi", "in C++",
                                                                               "on Windows", "in SQL"]))
    return "%s %s %s" % (subject, "и" if r.random() < 0.5 else "без", n2.gen_pl if r.random() < 0.5
                         else n2.nom_pl)


def author_names(r, count):
    names = set()
    out = []
    pool_m = [(f, s) for f in _FIRST_M for s in _SURNAMES]
    pool_f = [(f, s + "а") for f in _FIRST_F for s in _SURNAMES]
    for name in _LATIN_AUTHORS:
        names.add(name)
        out.append(name)
    while len(out) < count:
        f, s = r.choice(pool_m if r.random() < 0.7 else pool_f)
        name = f + " " + s
        if name not in names:
            names.add(name)
            out.append(name)
    r.shuffle(out)
    return out


def code_sample(r):
    n1, n2 = r.choice(_EN_NOUNS), r.choice(_EN_NOUNS)
    v = r.choice(_EN_VERBS)[0]
    p1 = _en_plural(n1)
    V, N1, N2 = _cap(v), _cap(n1), _cap(n2)
    k = r.randrange(5)
    if k == 0:
        return ("for (size_t i = 0; i < %s.size(); ++i) {\n"
                "    if (%s[i].%s != nullptr && %s[i].count > %d)\n"
                "        %s%s(%s[i]);\n"
                "}" % (p1, p1, n2, p1, r.randint(0, 99), V, N1, p1))
    if k == 1:
        return ("procedure T%sList.%sAll;\n"
                "var\n"
                "  I: Integer;\n"
                "begin\n"
                "  for I := 0 to Count - 1 do\n"
                "    if Items[I].%s <> nil then\n"
                "      %s(Items[I]);\n"
                "end;" % (N1, V, N2, V))
    if k == 2:
        return ("SELECT id, name, %s_id\n"
                "FROM %s\n"
                "WHERE %s_id = :%s AND created >= :since\n"
                "ORDER BY name;" % (n2, p1, n2, n2))
    if k == 3:
        return ("def %s_%s(items):\n"
                "    result = []\n"
                "    for item in items:\n"
                "        if item.%s and item.size < %d:\n"
                "            result.append(item)\n"
                "    return result" % (v, p1, n2, r.randint(16, 4096)))
    return ("std::unique_ptr<%s> Make%s(const std::string& name) {\n"
            "    auto p = std::make_unique<%s>(name);\n"
            "    p->%s(&%s_);\n"
            "    return p;\n"
            "}" % (N1, N1, N1, V, n2))
