<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Руководство по чтению санскрита. 3. Особые знаки</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Руководство по чтению санскрита. 3. Особые знаки</h1>
<ul>
<li><b>Анусвара</b> <span class="deva">ं</span> (ṃ) — носовой звук после гласного: <span class="deva">संस्कृतम्</span> saṃskṛtam.</li>
<li><b>Висарга</b> <span class="deva">ः</span> (ḥ) — глухой выдох после гласного, часто с лёгким эхом этого гласного: <span class="deva">रामः</span> rāmaḥ.</li>
<li><b>Чандрабинду</b> <span class="deva">ँ</span> (m̐) — назализация гласного.</li>
<li><b>Аваграха</b> <span class="deva">ऽ</span> (') — показывает, что начальный a следующего слова выпал после слияния слов: <span class="deva">सोऽहम्</span> so 'ham.</li>
</ul>
<p>О долготе: краткие гласные a, i, u, ṛ, ḷ длятся одну мору, долгие ā, ī, ū, ṝ — две. Гласные e, ai, o, au в санскрите всегда долгие. Различать долготу важно: от неё зависит смысл слова и ритм стиха.</p>
<p class="nav"><a href="2.php">← Назад: согласные и вирама</a> · <a href="/samvidra/spravka/">Справка</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
