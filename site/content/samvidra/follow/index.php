<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Подписаться</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Подписаться</h1>
<p>На этой странице можно будет следить за новостями программы «Самвидра». Новости будут публиковаться здесь.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
