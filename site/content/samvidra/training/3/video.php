<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Тренажёр 3 «Цифры деванагари» — видео</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Тренажёр 3: «Цифры деванагари»</h1>
<p>Тренажёр знакомит с цифрами деванагари: <span class="deva">० १ २ ३ ४ ५ ६ ७ ८ ९</span>.</p>
<p>Здесь будет опубликовано видеознакомство с этим тренажёром.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
