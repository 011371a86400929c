<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Шримад-Бхагаватам, том 1.2</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Шримад-Бхагаватам, том 1.2</h1>
<p>Печатная книга «Шримад-Бхагаватам, том 1.2».</p>
<p>Эта страница относится к меню программы «Справка → Печатные книги». Здесь появится описание издания.</p>
<p class="nav"><a href="/samvidra/spravka/knigi/">Все печатные книги</a></p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
