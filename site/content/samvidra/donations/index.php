<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Пожертвовать</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Пожертвовать</h1>
<p>Если вы хотите поддержать развитие программы «Самвидра», спасибо вам. Способы поддержки будут перечислены на этой странице.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
