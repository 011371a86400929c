<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Тренажёр 2 «Написание слов» — видео</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Тренажёр 2: «Написание слов»</h1>
<p>Тренажёр учит писать слова деванагари.</p>
<p>Здесь будет опубликовано видеознакомство с этим тренажёром.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
