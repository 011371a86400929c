<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Каталог ссылок по санскриту</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Каталог ссылок по санскриту</h1>
<p>Каталог ссылок на материалы о санскрите сейчас составляется. Когда он будет готов, он появится на этой странице.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
