<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Отзывы</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Отзывы</h1>
<p>Здесь будут собраны отзывы учеников о программе «Самвидра». Пока ни одного отзыва не опубликовано.</p>
<p>Отзыв можно отправить из самой программы: «О программе» → «Связаться с автором».</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
