<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Тренажёр 4 «Пропись» — видео</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Тренажёр 4: «Пропись»</h1>
<p>Тренажёр — пропись, в которой учатся рисовать буквы деванагари.</p>
<p>Здесь будет опубликовано видеознакомство с этим тренажёром.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
