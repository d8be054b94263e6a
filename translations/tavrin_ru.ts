<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ChoosingProvider</name>
    <message>
        <source>%1

Tavrin writes your letter with its own word processor instead. It is saved in your documents folder when Tavrin closes.</source>
        <translation>%1

Вместо этого Tavrin напишет письмо в собственном текстовом редакторе. Когда вы закроете Tavrin, письмо будет сохранено в папке документов.</translation>
    </message>
    <message>
        <source>No word processor is running, so there is nothing to attach to.</source>
        <translation>Ни один текстовый редактор не запущен, подключаться не к чему.</translation>
    </message>
    <message>
        <source>The live word processor could not be loaded: %1</source>
        <translation>Не удалось загрузить модуль связи с LibreOffice: %1</translation>
    </message>
    <message>
        <source>The word processor did not start.</source>
        <translation>Текстовый процессор не запустился.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The word processor is not running, so there is nothing to attach to.</source>
        <translation>Текстовый редактор не запущен, подключаться не к чему.</translation>
    </message>
</context>
<context>
    <name>Envelope</name>
    <message>
        <source>there is no documents folder</source>
        <translation>нет папки документов</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>папку нельзя создать</translation>
    </message>
    <message>
        <source>every name for today&apos;s envelopes is taken</source>
        <translation>все имена для сегодняшних конвертов заняты</translation>
    </message>
    <message>
        <source>The envelope is saved as %1, but it could not be opened: %2.</source>
        <translation>Конверт сохранён как %1, но открыть его не удалось: %2.</translation>
    </message>
    <message>
        <source>It is shown here, from where it can be printed.</source>
        <translation>Он показан здесь, отсюда его можно напечатать.</translation>
    </message>
    <message>
        <source>this desktop has no application for PDF files</source>
        <translation>в этой среде нет приложения для файлов PDF</translation>
    </message>
    <message>
        <source>The envelope could not be made: %1.</source>
        <translation>Не удалось сделать конверт: %1.</translation>
    </message>
    <message>
        <source>The envelope could not be saved in %1: %2.</source>
        <translation>Не удалось сохранить конверт в %1: %2.</translation>
    </message>
    <message>
        <source>The envelope could not be saved in %1: %2. It is saved as %3.</source>
        <translation>Не удалось сохранить конверт в %1: %2. Он сохранён как %3.</translation>
    </message>
    <message numerus="yes">
        <source>The envelope has room for part of the recipient&apos;s address only: %n line(s) left off.</source>
        <translation>
            <numerusform>На конверте поместилась только часть адреса получателя: пропущена %n строка.</numerusform>
            <numerusform>На конверте поместилась только часть адреса получателя: пропущены %n строки.</numerusform>
            <numerusform>На конверте поместилась только часть адреса получателя: пропущено %n строк.</numerusform>
        </translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>не хватило памяти</translation>
    </message>
</context>
<context>
    <name>Envelopes</name>
    <message>
        <source>The PDF could not be painted.</source>
        <translation>Не удалось нарисовать PDF.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the path names no file</source>
        <translation>в пути не указано имя файла</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>The letter could not be saved in %1: %2.</source>
        <translation>Не удалось сохранить письмо в папке %1: %2.</translation>
    </message>
    <message>
        <source>The letter could not be saved in %1: %2, nor as %3: %4. It is saved as %5.</source>
        <translation>Не удалось сохранить письмо в %1: %2, а также как %3: %4. Письмо сохранено как %5.</translation>
    </message>
    <message>
        <source>The letter is saved as %1, but it could not be opened: %2.</source>
        <translation>Письмо сохранено как %1, но открыть его не удалось: %2.</translation>
    </message>
    <message>
        <source>A word processor such as LibreOffice Writer completes it.</source>
        <translation>Завершить его можно в текстовом редакторе, например LibreOffice Writer.</translation>
    </message>
    <message>
        <source>It is shown here, from where it can be printed or saved as PDF.</source>
        <translation>Оно показано здесь; отсюда его можно напечатать или сохранить в PDF.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener, xdg-open, ended with status %1</source>
        <translation>программа открытия файлов xdg-open завершилась с кодом %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener, xdg-open, was ended by signal %1</source>
        <translation>программа открытия файлов xdg-open прервана сигналом %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener, xdg-open, cannot be run (%1)</source>
        <translation>не удаётся запустить программу открытия файлов xdg-open (%1)</translation>
    </message>
    <message>
        <source>this desktop has no application for .docx files</source>
        <translation>в этой среде нет приложения для файлов .docx</translation>
    </message>
    <message>
        <source>every name for today&apos;s letters is taken</source>
        <translation>все имена для сегодняшних писем заняты</translation>
    </message>
    <message>
        <source>there is no documents folder</source>
        <translation>папки документов нет</translation>
    </message>
    <message>
        <source>a file is in its place</source>
        <translation>на её месте находится файл</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>не удаётся создать папку</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>не хватило памяти</translation>
    </message>
    <message>
        <source>The letter could not be saved in %1: %2. It is saved as %3.</source>
        <translation>Не удалось сохранить письмо в папке %1: %2. Письмо сохранено как %3.</translation>
    </message>
    <message>
        <source>The letter was saved as %1 but could not be shown: %2.</source>
        <translation>Письмо сохранено как %1, но показать его не удалось: %2.</translation>
    </message>
</context>
<context>
    <name>HandOverDialogs</name>
    <message>
        <source>Word documents (*.docx)</source>
        <translation>Документы Word (*.docx)</translation>
    </message>
    <message>
        <source>Do you want to discard the letter? If you keep it, it is saved in your home folder.</source>
        <translation>Удалить письмо? Если вы его оставите, оно будет сохранено в вашей домашней папке.</translation>
    </message>
    <message>
        <source>Keep the Letter</source>
        <translation>Оставить письмо</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>LetterTexts</name>
    <message>
        <source>To Whom It May Concern,</source>
        <translation>Уважаемые господа!</translation>
    </message>
    <message>
        <source>To _</source>
        <translation>Уважаемый _</translation>
    </message>
    <message>
        <source>Dear _</source>
        <translation>Дорогой _</translation>
    </message>
    <message>
        <source>Dear Mom and Dad,</source>
        <translation>Дорогие мама и папа!</translation>
    </message>
    <message>
        <source>Dear Family and Friends,</source>
        <translation>Дорогие родные и друзья!</translation>
    </message>
    <message>
        <source>Dear World,</source>
        <translation>Дорогой мир!</translation>
    </message>
    <message>
        <source>I hope this letter finds you safe and well.</source>
        <translation>Надеюсь, это письмо застанет тебя в добром здравии.</translation>
    </message>
    <message>
        <source>It was so good to hear from you after so long!</source>
        <translation>Как же приятно было получить от тебя весточку спустя столько времени!</translation>
    </message>
    <message>
        <source>Thanks/Gratitude</source>
        <translation>Спасибо/Благодарность</translation>
    </message>
    <message>
        <source>Birthday/Congratulations</source>
        <translation>День рождения/Поздравления</translation>
    </message>
    <message>
        <source>Family/News</source>
        <translation>Семья/Новости</translation>
    </message>
    <message>
        <source>Travel/Holiday</source>
        <translation>Путешествия/Отпуск</translation>
    </message>
    <message>
        <source>Invitation/Party/Celebration</source>
        <translation>Приглашение/Вечеринка/Праздник</translation>
    </message>
    <message>
        <source>Apology</source>
        <translation>Извинение</translation>
    </message>
    <message>
        <source>Friendship/Memories</source>
        <translation>Дружба/Воспоминания</translation>
    </message>
    <message>
        <source>Thank you so much for your kind and thoughtful gift. It made my whole week brighter! I feel lucky to have a friend like you. You are always in my thoughts.</source>
        <translation>Огромное спасибо за твой чудесный и такой продуманный подарок. Он скрасил мне всю неделю! Как же мне повезло, что у меня есть такой друг, как ты. Ты всегда в моих мыслях.</translation>
    </message>
    <message>
        <source>Happy birthday! I hope your day is full of laughter, good food and the people you love most. May the coming year bring you health, joy and many happy surprises.</source>
        <translation>С днём рождения! Пусть этот день будет полон смеха, вкусной еды и самых любимых людей. Пусть новый год жизни принесёт тебе здоровье, радость и много приятных сюрпризов.</translation>
    </message>
    <message>
        <source>We are all well here and as busy as ever. The children are growing fast, and the garden is in full bloom. We often talk about you. How we wish you were here with us!</source>
        <translation>У нас всё хорошо, и дел, как всегда, невпроворот. Дети растут не по дням, а по часам, а сад весь в цвету. Мы часто вспоминаем тебя. Как жаль, что тебя нет с нами!</translation>
    </message>
    <message>
        <source>Our trip was wonderful from start to finish. We walked for miles, ate far too much and watched the sun set over the sea every evening. I will show you the photos soon.</source>
        <translation>Наша поездка была чудесной от начала до конца. Мы гуляли часами, ели куда больше, чем следовало, и каждый вечер любовались закатом над морем. Скоро покажу тебе фотографии.</translation>
    </message>
    <message>
        <source>On _ we are having a small party at our home, and it would not be the same without you. There will be good food, music and old friends. Please say you will come!</source>
        <translation>В _ мы устраиваем у себя дома небольшой праздник, и без тебя он будет совсем не тот. Будут вкусная еда, музыка и старые друзья. Пожалуйста, приходи!</translation>
    </message>
    <message>
        <source>I am truly sorry for what I said the last time we met. It was unkind and unfair, and you did not deserve it. I hope you can forgive me, because your friendship means a great deal to me.</source>
        <translation>Мне очень жаль, что при нашей последней встрече у меня вырвались такие слова. Они были обидными и несправедливыми, и ты совсем этого не заслуживаешь. Надеюсь, ты сможешь меня простить, ведь твоя дружба очень много для меня значит.</translation>
    </message>
    <message>
        <source>Today I found an old photograph of us laughing on the beach. What a summer that was! It brought back so many happy memories. I miss you. Let us meet again soon.</source>
        <translation>Сегодня мне попалась старая фотография, где мы смеёмся на пляже. Какое же это было лето! Столько счастливых воспоминаний сразу нахлынуло. Я скучаю по тебе. Давай скорее увидимся!</translation>
    </message>
    <message>
        <source>Write back soon!</source>
        <translation>Пиши скорее!</translation>
    </message>
    <message>
        <source>Take good care!</source>
        <translation>Береги себя!</translation>
    </message>
    <message>
        <source>Hope to see you soon!</source>
        <translation>До скорой встречи!</translation>
    </message>
    <message>
        <source>Keep in touch!</source>
        <translation>Не пропадай!</translation>
    </message>
    <message>
        <source>Stay well!</source>
        <translation>Не болей!</translation>
    </message>
    <message>
        <source>Miss you lots!</source>
        <translation>Очень скучаю!</translation>
    </message>
    <message>
        <source>With love from</source>
        <translation>С любовью,</translation>
    </message>
    <message>
        <source>_</source>
        <translation>_</translation>
    </message>
    <message>
        <source>With warmest thoughts</source>
        <translation>Мысленно всегда с тобой,</translation>
    </message>
    <message>
        <source>and all my love,</source>
        <translation>люблю и обнимаю,</translation>
    </message>
    <message>
        <source>_ and I</source>
        <translation>_ и я</translation>
    </message>
    <message>
        <source>send you our love.</source>
        <translation>шлём тебе горячий привет.</translation>
    </message>
    <message>
        <source>Say hello to _ for me,</source>
        <translation>Передай от меня привет _</translation>
    </message>
    <message>
        <source>and take good care</source>
        <translation>и береги</translation>
    </message>
    <message>
        <source>of yourself.</source>
        <translation>себя.</translation>
    </message>
    <message>
        <source>Sincerely yours,</source>
        <translation>С уважением,</translation>
    </message>
    <message>
        <source>Best wishes,</source>
        <translation>С наилучшими пожеланиями,</translation>
    </message>
    <message>
        <source>[Click here and type recipient&apos;s name]</source>
        <translation>[Щёлкните здесь и введите имя получателя]</translation>
    </message>
    <message>
        <source>[Click here and type recipient&apos;s address]</source>
        <translation>[Щёлкните здесь и введите адрес получателя]</translation>
    </message>
    <message>
        <source>[Click here and type your salutation]</source>
        <translation>[Щёлкните здесь и введите обращение]</translation>
    </message>
    <message>
        <source>[Click here and type the contents of your letter]</source>
        <translation>[Щёлкните здесь и введите текст письма]</translation>
    </message>
    <message>
        <source>[Click here and type your conclusion]</source>
        <translation>[Щёлкните здесь и введите заключительную фразу]</translation>
    </message>
    <message>
        <source>[Click here and type your closing]</source>
        <translation>[Щёлкните здесь и введите слова прощания]</translation>
    </message>
    <message>
        <source>[Click here and type your name]</source>
        <translation>[Щёлкните здесь и введите своё имя]</translation>
    </message>
    <message>
        <source>[Click here and type your address]</source>
        <translation>[Щёлкните здесь и введите свой адрес]</translation>
    </message>
    <message>
        <source>[Click here and type your information.]</source>
        <translation>[Щёлкните здесь и введите нужные сведения.]</translation>
    </message>
    <message>
        <source>[Click here and type names.]</source>
        <translation>[Щёлкните здесь и введите имена.]</translation>
    </message>
    <message>
        <source>[Click here and type name.]</source>
        <translation>[Щёлкните здесь и введите имя.]</translation>
    </message>
    <message>
        <source>[Signature]</source>
        <translation>[Подпись]</translation>
    </message>
    <message>
        <source>Other.</source>
        <translation>Другое.</translation>
    </message>
</context>
<context>
    <name>LiveOffice</name>
    <message>
        <source>LibreOffice could not be started: %1</source>
        <translation>Не удалось запустить LibreOffice: %1</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 не найден.</translation>
    </message>
    <message>
        <source>%1 did not run.</source>
        <translation>%1 не запустился.</translation>
    </message>
    <message>
        <source>it did not accept a connection within %1 seconds.</source>
        <translation>он не принял подключение за %1 с.</translation>
    </message>
    <message>
        <source>it ended without accepting a connection.</source>
        <translation>он завершился, не приняв подключение.</translation>
    </message>
    <message>
        <source>LibreOffice is no longer running.</source>
        <translation>LibreOffice больше не работает.</translation>
    </message>
    <message>
        <source>The connection to LibreOffice ended: LibreOffice quit or crashed.</source>
        <translation>Связь с LibreOffice прервалась: LibreOffice закрылся или аварийно завершился.</translation>
    </message>
    <message>
        <source>LibreOffice could not carry out the operation.</source>
        <translation>LibreOffice не смог выполнить операцию.</translation>
    </message>
    <message>
        <source>No LibreOffice is running for Tavrin (pipe &quot;%1&quot;).</source>
        <translation>Для Tavrin не запущен LibreOffice (канал «%1»).</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice не ответил за %1 с.</translation>
    </message>
    <message>
        <source>The program is ending.</source>
        <translation>Программа завершается.</translation>
    </message>
</context>
<context>
    <name>MirrorState</name>
    <message>
        <source>LibreOffice stopped working on your letter: %1

Tavrin finished the letter with its own word processor. It is saved in your documents folder when Tavrin closes.</source>
        <translation>LibreOffice перестал работать с вашим письмом: %1

Tavrin закончил письмо в собственном текстовом редакторе. Когда вы закроете Tavrin, письмо будет сохранено в папке документов.</translation>
    </message>
</context>
<context>
    <name>OfficeInstallation</name>
    <message>
        <source>LibreOffice is not installed (no soffice in %1).</source>
        <translation>LibreOffice не установлен (в %1 нет soffice).</translation>
    </message>
    <message>
        <source>LibreOffice Writer is not installed.</source>
        <translation>LibreOffice Writer не установлен.</translation>
    </message>
    <message>
        <source>The installed LibreOffice cannot show windows (only its -nogui packages are installed).</source>
        <translation>Установленный LibreOffice не может показывать окна (установлены только его пакеты -nogui).</translation>
    </message>
    <message>
        <source>There is no display to show LibreOffice on.</source>
        <translation>Нет экрана, на котором можно показать LibreOffice.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF file %1 could not be written: %2.</source>
        <translation>Не удалось записать PDF-файл %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папки %1 не существует.</translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation>уже есть папка с таким именем</translation>
    </message>
    <message>
        <source>The document could not be painted as PDF.</source>
        <translation>Не удалось вывести документ в PDF.</translation>
    </message>
    <message>
        <source>No printer is configured: there is no default printer to print the document on.</source>
        <translation>Принтер не настроен: нет принтера по умолчанию, на котором можно напечатать документ.</translation>
    </message>
    <message>
        <source>The document could not be printed on %1.</source>
        <translation>Не удалось напечатать документ на принтере %1.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The letters could not be saved: there was not enough memory.</source>
        <translation>Не удалось сохранить письма: не хватило памяти.</translation>
    </message>
    <message>
        <source>The letters could not be saved: %1.</source>
        <translation>Не удалось сохранить письма: %1.</translation>
    </message>
    <message>
        <source>The envelope could not be saved: there was not enough memory.</source>
        <translation>Не удалось сохранить конверт: не хватило памяти.</translation>
    </message>
    <message>
        <source>The envelope could not be saved: %1.</source>
        <translation>Не удалось сохранить конверт: %1.</translation>
    </message>
</context>
<context>
    <name>tavrin::AddressBookDialog</name>
    <message>
        <source>Address Book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Поиск:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Name, organisation, town or e-mail</source>
        <translation>Имя, организация, город или эл. почта</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Открыть файл...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Open an Address Book</source>
        <translation>Открыть адресную книгу</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.csv);;All files (*)</source>
        <translation>Контакты (*.vcf *.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, строка %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reading the address books...</source>
        <translation>Чтение адресных книг...</translation>
    </message>
    <message>
        <source>Contacts: %1.</source>
        <translation>Контактов: %1.</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Не прочитано: %1</translation>
    </message>
    <message>
        <source>Not read: %1, and %2 more (see the tooltip)</source>
        <translation>Не прочитано: %1 и ещё %2 (см. подсказку)</translation>
    </message>
</context>
<context>
    <name>tavrin::AddressRows</name>
    <message>
        <source>Home</source>
        <translation>Домашний</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Рабочий</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Организация</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Адресная книга</translation>
    </message>
</context>
<context>
    <name>tavrin::FormIcon</name>
    <message>
        <source>Tavrin</source>
        <translation>Tavrin</translation>
    </message>
</context>
<context>
    <name>tavrin::FrmMain</name>
    <message>
        <source>Tavrin for Microsoft Word</source>
        <translation>Tavrin для Microsoft Word</translation>
    </message>
    <message>
        <source>Select a Layout</source>
        <translation>Выбор макета</translation>
    </message>
    <message>
        <source>Create a Letterhead</source>
        <translation>Шапка письма</translation>
    </message>
    <message>
        <source>Choose Salutation</source>
        <translation>Обращение</translation>
    </message>
    <message>
        <source>Add Sample Text</source>
        <translation>Текст письма</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <translation>Заключение</translation>
    </message>
    <message>
        <source>Choose Closing</source>
        <translation>Прощание</translation>
    </message>
    <message>
        <source>Add Sender Info</source>
        <translation>Отправитель</translation>
    </message>
    <message>
        <source>Choose Style</source>
        <translation>Выбор стиля</translation>
    </message>
    <message>
        <source>Choose a layot:</source>
        <translation>Выберите макет:</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Flush left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Flush right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Information about the person you are addressing a letter to;</source>
        <translation>Сведения о том, кому вы пишете:</translation>
    </message>
    <message>
        <source>Recipient&apos;s name:</source>
        <translation>Получатель:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Omit</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Use sample salutation;</source>
        <translation>Готовое обращение:</translation>
    </message>
    <message>
        <source>Choose from:</source>
        <translation>Выберите:</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Своё</translation>
    </message>
    <message>
        <source>To write own note</source>
        <translation>Свой текст</translation>
    </message>
    <message>
        <source>To use sample content</source>
        <translation>Готовый текст</translation>
    </message>
    <message>
        <source>Sample categories:</source>
        <translation>Тема письма:</translation>
    </message>
    <message>
        <source>Note content:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Use sample conclusion;</source>
        <translation>Готовые фразы:</translation>
    </message>
    <message>
        <source>Use sample closing;</source>
        <translation>Готовое прощание:</translation>
    </message>
    <message>
        <source>Information about the person writing a letter;</source>
        <translation>Сведения об отправителе:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Date line</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Choose style:</source>
        <translation>Выберите стиль:</translation>
    </message>
    <message>
        <source>Simple (without graphics)</source>
        <translation>Простой (без графики)</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмный</translation>
    </message>
    <message>
        <source>Romantic</source>
        <translation>Романтика</translation>
    </message>
    <message>
        <source>Elegant</source>
        <translation>Изящный</translation>
    </message>
    <message>
        <source>Modernistic</source>
        <translation>Модерн</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далее &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Centered layout: a page with its heading block at the top centre</source>
        <translation>Макет «Центр»: страница с блоком заголовка вверху по центру</translation>
    </message>
    <message>
        <source>Flush left layout: a page with its heading block at the top left</source>
        <translation>Макет «Слева»: страница с блоком заголовка вверху слева</translation>
    </message>
    <message>
        <source>Flush right layout: a page with its heading block at the top right and its closing lines at the right</source>
        <translation>Макет «Справа»: страница с блоком заголовка вверху справа и заключительными строками справа</translation>
    </message>
    <message>
        <source>Preview of the Classic style</source>
        <translation>Образец стиля «Классика»</translation>
    </message>
    <message>
        <source>Preview of the Dark style</source>
        <translation>Образец стиля «Тёмный»</translation>
    </message>
    <message>
        <source>Preview of the Romantic style</source>
        <translation>Образец стиля «Романтика»</translation>
    </message>
    <message>
        <source>Preview of the Elegant style</source>
        <translation>Образец стиля «Изящный»</translation>
    </message>
    <message>
        <source>Preview of the Modernistic style</source>
        <translation>Образец стиля «Модерн»</translation>
    </message>
    <message>
        <source>Leaves the recipient&apos;s name and address out of the letter</source>
        <translation>Не включать в письмо имя и адрес получателя</translation>
    </message>
    <message>
        <source>Leaves the writer&apos;s name and place out of the letter</source>
        <translation>Не включать в письмо имя и место отправителя</translation>
    </message>
    <message>
        <source>Current step</source>
        <translation>Текущий шаг</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Shows or hides the letter as Finish will write it</source>
        <translation>Показывает или скрывает письмо в том виде, в каком его напишет «Готово»</translation>
    </message>
    <message>
        <source>No envelope: the recipient is omitted from this letter</source>
        <translation>Конверта не будет: получатель в этом письме опущен</translation>
    </message>
    <message>
        <source>No envelope yet: it needs the recipient&apos;s name</source>
        <translation>Конверта пока нет: нужно имя получателя</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Конверт</translation>
    </message>
    <message>
        <source>Finish also makes the envelope for this letter, as a PDF beside it</source>
        <translation>«Готово» сделает и конверт для этого письма, файлом PDF рядом с ним</translation>
    </message>
    <message>
        <source>Address Book...</source>
        <translation>Адреса...</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>Fills in the recipient&apos;s name and address from your address books</source>
        <translation>Подставляет имя и адрес получателя из ваших адресных книг</translation>
    </message>
    <message>
        <source>From My Card</source>
        <translation>Моя карточка</translation>
    </message>
    <message>
        <source>Looking for your own card...</source>
        <translation>Поиск вашей карточки...</translation>
    </message>
    <message>
        <source>Neither your address book nor your user account gives your name</source>
        <translation>Ни адресная книга, ни учётная запись не содержат вашего имени</translation>
    </message>
    <message>
        <source>Fills in your name from your user account; your address book has no card of your own</source>
        <translation>Подставляет ваше имя из учётной записи; в адресной книге нет вашей карточки</translation>
    </message>
    <message>
        <source>Fills in your name and address from your own card</source>
        <translation>Подставляет ваше имя и адрес из вашей карточки</translation>
    </message>
</context>
<context>
    <name>tavrin::LetterPreview</name>
    <message>
        <source>The letter: print preview</source>
        <translation>Письмо: предварительный просмотр</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Сохранить в PDF...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>Save the letter as PDF</source>
        <translation>Сохранить письмо в PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The envelope: print preview</source>
        <translation>Конверт: предварительный просмотр</translation>
    </message>
</context>
<context>
    <name>tavrin::preview::PagesView</name>
    <message>
        <source>Letter preview</source>
        <translation>Просмотр письма</translation>
    </message>
</context>
<context>
    <name>tavrin::preview::PreviewWindow</name>
    <message>
        <source>Letter Preview</source>
        <translation>Просмотр письма</translation>
    </message>
</context>
</TS>
